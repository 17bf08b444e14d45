// The default printer, or a PDF file in the application folder when there is none.
#pragma once

#include "ui/printer.h"

namespace vondrik {

class AppFolder;
class Clock;
class MessageBox;

class QtPrinter final : public Printer {
  public:
    QtPrinter(MessageBox& messages, const Clock& clock, const AppFolder& folder);

    std::unique_ptr<PrintJob> begin(const QString& documentName) override;

  private:
    // "druck-YYYYMMDD-HHMMSS.pdf", with a counter when that name is taken.
    QString freePdfPath() const;

    MessageBox& messages_;
    const Clock& clock_;
    const AppFolder& folder_;
};

}  // namespace vondrik
