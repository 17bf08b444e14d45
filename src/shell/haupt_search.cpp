// The main window's searches: the pattern box (with same-letter marks and the combined
// search), the anagram hand-over, and how every search's result is shown.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "dictionary/cleaning.h"
#include "dictionary/length_tables.h"
#include "dictionary/text.h"
#include "search/pattern_search.h"
#include "shell/haupt.h"
#include "ui/widgets/result_list.h"

namespace vondrik {

void Haupt::connectSearches() {
    connect(&searches_, &SearchController::started, this,
            [] { QApplication::setOverrideCursor(Qt::WaitCursor); });
    connect(&searches_, &SearchController::finished, this, &Haupt::showResult);
}

void Haupt::onPatternEnter() {
    Text1->setText(cleanPattern(Text1->text()));
    const qsizetype length = Text1->text().size();
    SearchState& state = searches_.state();
    if (Check1->isChecked()) {
        const QString answer =
            platform_.inputBox.ask(QStringLiteral("Bitte Suchbegriff eingeben."),
                                   QStringLiteral("'Suche kombinieren' ist aktiviert"), QString());
        if (answer.isEmpty()) {
            return;  // the list keeps what it showed
        }
        state.kombitext = u'*' + cleanFreeText(answer) + u'*';
    }
    List1->clear();
    if (length < 2) {
        platform_.messageBox.show(QStringLiteral("Sie müssen schon ein paar Buchstaben eingeben!"),
                                  QStringLiteral("Also sowas"), MessageIcon::Exclamation);
        Text1->setFocus();
        return;
    }
    state.markenflag = hasSameLetterMarks(Text1->text());
    state.ei = marksToPlaceholders(Text1->text());
    const int searched = searches_.patternLength(Text1->text());
    if (tableForLength(searched)) {
        musterSuche(searched);
    }
}

void Haupt::musterSuche(int length) {
    searches_.musterSuche(length, Check1->isChecked(), Text1->text());
    selectPattern();
}

void Haupt::anagramm() {
    Text17->setText(trimBlanks(Text17->text()));
    if (Text17->text().isEmpty()) {
        return;
    }
    // The length chooses the table: lower case must not lengthen "İ" into two characters.
    Text17->setText(lowerKeepLength(Text17->text()));
    searches_.anagramm(Text17->text());
}

void Haupt::showResult(const SearchResult& result) {
    QApplication::restoreOverrideCursor();
    List1->setTabStops(result.tabStop);
    List1->setLines(result.lines);
    if (result.tooMany) {
        platform_.messageBox.show(QStringLiteral(" Zu viele Datensätze!"),
                                  QStringLiteral("Nein so nicht"));
        return;
    }
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
    if (lines > 0 && prefs_.successSound) {
        platform_.sound.play(prefs_.successSoundFile);
    } else if (lines == 0 && prefs_.failureSound) {
        platform_.sound.play(prefs_.failureSoundFile);
    }
}

}  // namespace vondrik
