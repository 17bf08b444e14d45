// A print job drawing on a QPrinter, either a real printer or a PDF file.
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "ui/printer.h"

class QPrinter;

namespace vondrik {

class MessageBox;

class QtPrintJob final : public PrintJob {
  public:
    // For a PDF printer the job tells the user where the file went when it ends.
    QtPrintJob(std::unique_ptr<QPrinter> printer, MessageBox& messages);
    ~QtPrintJob() override;

    void setFontSize(double points) override;
    void printLine(const QString& text) override;
    bool fits(const QString& text) const override;
    void drawPicture(const QImage& picture, QPoint topLeftTwips) override;
    void newPage() override;
    bool end() override;

  private:
    double toDevice(double twips) const;
    bool toPdf() const;

    std::unique_ptr<QPrinter> printer_;
    MessageBox& messages_;
    QPainter painter_;
    QFont font_;
    double lineTop_ = 0;  // device units below the top of the printable area
    bool started_ = false;
    bool ended_ = false;
};

}  // namespace vondrik
