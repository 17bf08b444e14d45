// The main window's searches: the pattern box (with same-letter marks and the combined
// search), the anagram hand-over, and how every search's result is shown.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "dictionary/cleaning.h"
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
    const bool kombiniert = Check1->isChecked();
    if (kombiniert) {
        const QString answer =
            platform_.inputBox.ask(QStringLiteral("Bitte Suchbegriff eingeben."),
                                   QStringLiteral("'Suche kombinieren' ist aktiviert"), QString());
        if (!searches_.answerCombined(answer)) {
            return;  // the list keeps what it showed
        }
    }
    List1->clear();
    if (!searches_.enterPattern(Text1->text(), kombiniert)) {
        platform_.messageBox.show(QStringLiteral("Sie müssen schon ein paar Buchstaben eingeben!"),
                                  QStringLiteral("Also sowas"), MessageIcon::Exclamation);
        Text1->setFocus();
        return;
    }
    selectPattern();
}

void Haupt::anagramm() {
    Text17->setText(searches_.anagramm(Text17->text()));
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
