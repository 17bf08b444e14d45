// Laying out a puzzle sheet on a print job.
#include "puzzles/puzzle_printout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>

#include "ui/printer.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr double kDefaultFontSize = 10;  // of a print job before its first setFontSize()

// The height of a printed line at this size, in twips. Print jobs write in the system's
// fixed-pitch font; its line spacing grows with the size.
double lineHeight(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(1000);
    const double perPoint = QFontMetricsF(font).lineSpacing() / 1000.0;
    // A little more than measured: a printer's font may round its lines up.
    return std::ceil(perPoint * 1.02 * points * kTwipsPerInch / 72.0);
}

// Where the continuation of a broken line starts: under the text after a "n. = " label,
// else under the line's first character.
qsizetype hangingIndent(const QString& line) {
    constexpr qsizetype kLongestLabel = 16;
    const qsizetype label = line.indexOf(QStringLiteral("= "));
    if (label >= 0 && label < kLongestLabel) {
        return label + 2;
    }
    qsizetype blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ') {
        ++blanks;
    }
    return blanks;
}

// The line broken at blanks into as many lines as the paper needs in the job's current
// font; a word wider than the paper is cut.
QStringList wrapped(const PrintJob& job, const QString& line) {
    QStringList result;
    const qsizetype indent = hangingIndent(line);
    QString rest = line;
    while (!job.fits(rest) && rest.size() > indent + 1) {
        qsizetype cut = -1;
        for (qsizetype i = rest.lastIndexOf(u' '); i > indent; i = rest.lastIndexOf(u' ', i - 1)) {
            if (job.fits(rest.left(i))) {
                cut = i;
                break;
            }
        }
        if (cut < 0) {
            cut = indent + 1;
            while (cut < rest.size() && job.fits(rest.left(cut + 1))) {
                ++cut;
            }
        }
        result.append(rest.left(cut));
        qsizetype next = cut;
        while (next < rest.size() && rest[next] == u' ') {
            ++next;
        }
        if (next == rest.size()) {
            return result;
        }
        rest = QString(indent, u' ') + rest.mid(next);
    }
    result.append(rest);
    return result;
}

QStringList wrappedAll(const PrintJob& job, const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines) {
        result += wrapped(job, line);
    }
    return result;
}

}  // namespace

int sheetSpacerLines(int pictureHeight, bool leadingEmptyLine) {
    const double leading = leadingEmptyLine ? lineHeight(kDefaultFontSize) : 0;
    const double below = kSheetPictureAt.y() + pixelsToTwips(pictureHeight) - leading;
    // Half a line of air between the figure and the first clue.
    return static_cast<int>(std::ceil(below / lineHeight(kSheetFontSize) + 0.5));
}

QString sheetNumberLine(int puzzleNumber) {
    return QStringLiteral("      Rätsel-Nr. %1").arg(puzzleNumber);
}

bool printPuzzleSheet(Printer& printer, const PuzzleSheet& sheet) {
    std::unique_ptr<PrintJob> job = printer.begin(sheet.documentName);
    double top = 0;
    if (sheet.leadingEmptyLine) {
        job->printLine(QString());
        top += lineHeight(kDefaultFontSize);
    }
    job->setFontSize(kSheetFontSize);
    job->drawPicture(sheet.picture, kSheetPictureAt);
    const int spacers = sheetSpacerLines(qRound(sheet.picture.deviceIndependentSize().height()),
                                         sheet.leadingEmptyLine);
    for (int i = 0; i < spacers; ++i) {
        job->printLine(QStringLiteral(" "));
    }
    top += spacers * lineHeight(kSheetFontSize);

    // The largest size at which the clues and the number still end on this page.
    const double foot = sheet.puzzleNumber > 0 ? lineHeight(kSheetNumberFontSize) : 0;
    double size = kSheetFontSize;
    QStringList lines;
    for (;; --size) {
        job->setFontSize(size);
        lines = wrappedAll(*job, sheet.lines);
        const qsizetype rows = lines.size() + (sheet.puzzleNumber > 0 ? 1 : 0);
        if (size <= kSmallestSheetFontSize ||
            top + rows * lineHeight(size) + foot <= kSheetPageHeight) {
            break;
        }
    }
    for (const QString& line : lines) {
        job->printLine(line);
    }
    if (sheet.puzzleNumber > 0) {
        job->printLine(QString());
        job->setFontSize(kSheetNumberFontSize);
        job->printLine(sheetNumberLine(sheet.puzzleNumber));
    }
    return job->end();
}

}  // namespace vondrik
