// The main window's searches: pattern (with same-letter marks), combined, and text search
// over one length or all of them, and how their results are shown.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "search/pattern_search.h"
#include "ui/widgets/result_list.h"
#include "search/text_search.h"
#include "shell/haupt.h"

namespace vondrik {
namespace {

// What a search reports when the load sequence could not open the dictionary.
SearchResult notOpen() {
    SearchResult result;
    result.error = QStringLiteral("Die Datenbank ist nicht geöffnet.");
    return result;
}

}  // namespace

void Haupt::onPatternEnter() {
    Text1->setText(cleanPattern(Text1->text()));
    const qsizetype length = Text1->text().size();
    if (Check1->isChecked()) {
        const QString answer =
            platform_.inputBox.ask(QStringLiteral("Bitte Suchbegriff eingeben."),
                                   QStringLiteral("'Suche kombinieren' ist aktiviert"), QString());
        if (answer.isEmpty()) {
            return;  // the list keeps what it showed
        }
        kombitext = u'*' + cleanFreeText(answer) + u'*';
    }
    List1->clear();
    if (length < 2) {
        platform_.messageBox.show(QStringLiteral("Sie müssen schon ein paar Buchstaben eingeben!"),
                                  QStringLiteral("Also sowas"), MessageIcon::Exclamation);
        Text1->setFocus();
        return;
    }
    markenflag = hasSameLetterMarks(Text1->text());
    ei = marksToPlaceholders(Text1->text());
    if (tableForLength(static_cast<int>(length))) {
        musterSuche(static_cast<int>(length));
    }
}

void Haupt::musterSuche(int length) {
    const auto table = tableForLength(length);
    if (!table) {
        return;
    }
    ei = toLikePattern(ei);
    sql = Check1->isChecked() ? statement(Family::PatternWithMeaning, *table, {ei, kombitext})
                              : statement(Family::Pattern, *table, {ei});
    RowFilter filter;
    if (markenflag) {
        const QString marks = Text1->text();
        filter = [marks](QStringView word) { return passesSameLetterMarks(marks, word); };
    }
    const SearchResult result = DB ? runSearch(*DB, sql, filter) : notOpen();
    tabstopps[0] = tabStopForLength(length);
    List1->setTabStops(tabstopps[0]);
    finishSearch(result);
    selectPattern();
}

void Haupt::finishSearch(const SearchResult& result) {
    Auswahl = result.auswahl;
    List1->setLines(result.lines);
    zeigeErgebnis();
    if (!result.error.isEmpty()) {
        reportSearchError(result.error);
    }
}

void Haupt::reportSearchError(const QString& engineMessage) {
    platform_.messageBox.show(
        QStringLiteral("Bei der Suche ist ein Fehler aufgetreten. Die Liste zeigt, was bis dahin "
                       "gefunden wurde.\n\nMeldung der Datenbank: %1")
            .arg(engineMessage),
        QStringLiteral("Fehler bei der Suche"), MessageIcon::Exclamation);
}

void Haupt::zeigeErgebnis() {
    const int lines = List1->count();
    Label2->setText(QString::number(lines));
    Frame2->setVisible(true);
    List1->setVisible(lines > 0);
    Image1->setVisible(lines == 0);
    if (lines > 0 && prefs.successSound) {
        platform_.sound.play(prefs.successSoundFile);
    } else if (lines == 0 && prefs.failureSound) {
        platform_.sound.play(prefs.failureSoundFile);
    }
}

void Haupt::textsuche() {
    treffer = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    List1->clear();
    TextSearchInput input{ei, eii, nur1 == 1};
    const SearchResult result = DB ? searchOneLength(*DB, dagr, input) : notOpen();
    sql = result.sql;
    List1->setTabStops(tabstopps[0]);
    treffer = static_cast<int>(result.lines.size());
    QApplication::restoreOverrideCursor();
    finishSearch(result);
}

void Haupt::allesuch() {
    treffer = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    List1->clear();
    tabstopps[0] = kAllLengthsTabStop;
    List1->setTabStops(tabstopps[0]);
    TextSearchInput input{ei, eii, nur1 == 1};
    const SearchResult result = DB ? searchAllLengths(*DB, input) : notOpen();
    sql = result.sql;
    treffer = static_cast<int>(result.lines.size());
    QApplication::restoreOverrideCursor();
    alle = 0;
    if (result.tooMany) {
        Auswahl = result.auswahl;
        List1->setLines(result.lines);
        platform_.messageBox.show(QStringLiteral(" Zu viele Datensätze!"),
                                  QStringLiteral("Nein so nicht"));
        return;
    }
    finishSearch(result);
}

}  // namespace vondrik
