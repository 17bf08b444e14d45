// Chooses where a print job goes: the default printer, else a PDF named after the time.
#include "ui/qt_printer.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/app_folder.h"
#include "ui/clock.h"
#include "ui/qt_print_job.h"

namespace vondrik {

QtPrinter::QtPrinter(MessageBox& messages, const Clock& clock, const AppFolder& folder)
    : messages_(messages), clock_(clock), folder_(folder) {}

std::unique_ptr<PrintJob> QtPrinter::begin(const QString& documentName) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    std::unique_ptr<QPrinter> printer;
    if (target.isNull()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(freePdfPath());
    } else {
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    }
    printer->setDocName(documentName);
    return std::make_unique<QtPrintJob>(std::move(printer), messages_);
}

QString QtPrinter::freePdfPath() const {
    const QString stem =
        QStringLiteral("druck-") + clock_.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = folder_.appPath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = folder_.appPath(QStringLiteral("%1-%2.pdf").arg(stem).arg(copy));
    }
    return path;
}

}  // namespace vondrik
