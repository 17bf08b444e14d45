// A printer for tests that keeps every document as pages of lines and pictures.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include "ui/printer.h"

namespace vondrik {

struct PrintedLine {
    QString text;
    double fontSize = 0;
};

struct PrintedPicture {
    QSize size;  // pixels on screen (device independent)
    QPoint topLeftTwips;
};

struct PrintedPage {
    QList<PrintedLine> lines;
    QList<PrintedPicture> pictures;
};

struct PrintedDocument {
    QString name;
    QList<PrintedPage> pages{PrintedPage{}};
    bool ended = false;
};

class FakePrinter final : public Printer {
  public:
    std::unique_ptr<PrintJob> begin(const QString& documentName) override;

    // The width of the paper: a line fits when it has at most this many characters.
    int charactersPerLine = 80;

    // In the order the jobs began; a document whose job is still open has ended == false.
    const QList<PrintedDocument>& documents() const { return documents_; }

  private:
    friend class FakePrintJob;
    QList<PrintedDocument> documents_;
};

}  // namespace vondrik
