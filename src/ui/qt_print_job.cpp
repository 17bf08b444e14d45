// Lines and pictures laid out on a QPrinter page the way the old printer object did.
#include "ui/qt_print_job.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>

#include "ui/dialogs.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr double kDefaultPointSize = 10;
const QString kTitle = QStringLiteral("Drucken");

}  // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, MessageBox& messages)
    : printer_(std::move(printer)), messages_(messages) {
    // A fixed-pitch font, so the clue lists whose numbers are padded with blanks print with
    // their full stops one below the other.
    font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font_.setPointSizeF(kDefaultPointSize);
    started_ = painter_.begin(printer_.get());
    if (started_) {
        painter_.setFont(font_);
    }
}

QtPrintJob::~QtPrintJob() {
    if (!ended_) {
        end();
    }
}

void QtPrintJob::setFontSize(double points) {
    if (points > 0) {
        font_.setPointSizeF(points);
        if (started_) {
            painter_.setFont(font_);
        }
    }
}

void QtPrintJob::printLine(const QString& text) {
    if (!started_ || ended_) {
        return;
    }
    const QFontMetricsF metrics(font_, printer_.get());
    const double pageHeight = printer_->pageRect(QPrinter::DevicePixel).height();
    if (lineTop_ > 0 && lineTop_ + metrics.height() > pageHeight) {
        newPage();
    }
    painter_.drawText(QPointF(0, lineTop_ + metrics.ascent()), text);
    lineTop_ += metrics.lineSpacing();
}

bool QtPrintJob::fits(const QString& text) const {
    if (!started_) {
        return true;
    }
    const QFontMetricsF metrics(font_, printer_.get());
    return metrics.horizontalAdvance(text) <= printer_->pageRect(QPrinter::DevicePixel).width();
}

void QtPrintJob::drawPicture(const QImage& picture, QPoint topLeftTwips) {
    if (!started_ || ended_ || picture.isNull()) {
        return;
    }
    // The size on screen: a picture drawn at a higher device pixel ratio keeps its size and
    // gives the printer's finer dots more to show.
    const QSize onScreen = picture.deviceIndependentSize().toSize();
    const QRectF target(toDevice(topLeftTwips.x()), toDevice(topLeftTwips.y()),
                        toDevice(pixelsToTwips(onScreen.width())),
                        toDevice(pixelsToTwips(onScreen.height())));
    painter_.drawImage(target, picture);
}

void QtPrintJob::newPage() {
    if (started_ && !ended_) {
        printer_->newPage();
        lineTop_ = 0;
    }
}

bool QtPrintJob::end() {
    if (ended_) {
        return started_;
    }
    ended_ = true;
    const QString file = QDir::toNativeSeparators(printer_->outputFileName());
    if (!started_ || !painter_.end()) {
        messages_.show(
            toPdf() ? QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(file)
                    : QStringLiteral("Der Ausdruck konnte nicht erstellt werden."),
            kTitle, MessageIcon::Critical);
        started_ = false;
        return false;
    }
    if (toPdf()) {
        messages_.show(QStringLiteral("Es ist kein Drucker eingerichtet. Der Ausdruck wurde "
                                      "als PDF-Datei gespeichert:\n%1")
                           .arg(file),
                       kTitle, MessageIcon::Information);
    }
    return true;
}

double QtPrintJob::toDevice(double twips) const {
    return twips * printer_->resolution() / kTwipsPerInch;
}

bool QtPrintJob::toPdf() const {
    return printer_->outputFormat() == QPrinter::PdfFormat;
}

}  // namespace vondrik
