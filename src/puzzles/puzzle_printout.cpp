// Laying out a puzzle sheet on a print job.
#include "puzzles/puzzle_printout.h"

#include "ui/printer.h"

namespace vondrik {
namespace {

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

// Prints the line, broken at blanks into as many lines as the paper needs; a word wider
// than the paper is cut.
void printWrapped(PrintJob& job, const QString& line) {
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
        job.printLine(rest.left(cut));
        qsizetype next = cut;
        while (next < rest.size() && rest[next] == u' ') {
            ++next;
        }
        if (next == rest.size()) {
            return;
        }
        rest = QString(indent, u' ') + rest.mid(next);
    }
    job.printLine(rest);
}

}  // namespace

QString sheetNumberLine(int puzzleNumber) {
    return QStringLiteral("      Rätsel-Nr. %1").arg(puzzleNumber);
}

bool printPuzzleSheet(Printer& printer, const PuzzleSheet& sheet) {
    std::unique_ptr<PrintJob> job = printer.begin(sheet.documentName);
    if (sheet.leadingEmptyLine) {
        job->printLine(QString());
    }
    job->setFontSize(kSheetFontSize);
    job->drawPicture(sheet.picture, kSheetPictureAt);
    for (int i = 0; i < kSheetSpacerLines; ++i) {
        job->printLine(QStringLiteral(" "));
    }
    job->setFontSize(kSheetFontSize);
    for (const QString& line : sheet.lines) {
        printWrapped(*job, line);
    }
    if (sheet.puzzleNumber > 0) {
        job->printLine(QString());
        job->setFontSize(kSheetNumberFontSize);
        job->printLine(sheetNumberLine(sheet.puzzleNumber));
    }
    return job->end();
}

}  // namespace vondrik
