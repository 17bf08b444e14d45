// The additional tooltips and their texts.
#include "extras/additional_tooltips.h"

#include <QWidget>

namespace vondrik {

void setAdditionalTooltips(const TooltipTargets& targets, bool on) {
    const auto tip = [on](const QString& text) { return on ? text : QString(); };
    targets.patternBox->setToolTip(tip(QStringLiteral(
        "Nach der Eingabe RETURN oder ENTER drücken, damit die Suche gestartet wird.")));
    targets.instruction->setToolTip(
        tip(QStringLiteral("Sie können auch für alle unbekannten Buchstaben einen Punkt, oder "
                           "ein Leerzeichen, oder ein Fragezeichen einsetzten. ")));
    targets.combinedSearch->setToolTip(tip(QStringLiteral(
        "Wenn Sie diese Funktion aktivieren, können Sie noch einen zusätzlichen Suchtext "
        "eingeben.")));
    for (int i = 0; i < 14; ++i) {
        targets.lengthButtons[i]->setToolTip(
            tip(QStringLiteral("Textsuche in den Begriffen mit %1 Buchstaben durchführen.")
                    .arg(i + 2)));
    }
    targets.lengthButtons[14]->setToolTip(
        tip(QStringLiteral("Textsuche in der gesamten Datenbank.")));
    // The count's own face says enough.
    targets.count->setToolTip(QString());
}

}  // namespace vondrik
