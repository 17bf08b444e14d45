// Print jobs in the manner of the old printer object: lines flow down the page from the top,
// pictures are placed at twip positions without moving the lines.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>

namespace vondrik {

class PrintJob {
  public:
    virtual ~PrintJob() = default;
    // Applies to the lines printed after it; 10 point until set.
    virtual void setFontSize(double points) = 0;
    // Prints one line at the left edge below the previous one; a full page continues on the
    // next.
    virtual void printLine(const QString& text) = 0;
    // Whether the text fits the width of the printable area in the current font, so a
    // caller can break a long line instead of losing its end at the edge of the paper.
    virtual bool fits(const QString& text) const = 0;
    // Places the picture in its own size on screen (96 pixels per inch, its device pixel
    // ratio taken into account) with its upper left corner at the given position in twips
    // from the top left of the printable area.
    virtual void drawPicture(const QImage& picture, QPoint topLeftTwips) = 0;
    virtual void newPage() = 0;
    // Finishes the document and sends it off; false when it could not be produced.
    virtual bool end() = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;
    virtual std::unique_ptr<PrintJob> begin(const QString& documentName) = 0;
};

}  // namespace vondrik
