// The additional tooltips and their texts.
#include "extras/additional_tooltips.h"

#include "extras/main_window_controls.h"

namespace vondrik {
namespace {

void setTip(QWidget* mainWindow, const QString& name, const QString& tip) {
    if (QWidget* control = mainWindowControl<QWidget>(mainWindow, name)) {
        control->setToolTip(tip);
    }
}

}  // namespace

void setAdditionalTooltips(QWidget* mainWindow, bool on) {
    const auto tip = [on](const QString& text) { return on ? text : QString(); };
    setTip(mainWindow, QStringLiteral("Text1"),
           tip(QStringLiteral("Nach der Eingabe RETURN oder ENTER drücken, damit die Suche "
                              "gestartet wird.")));
    setTip(mainWindow, QStringLiteral("Label3"),
           tip(QStringLiteral("Sie können auch für alle unbekannten Buchstaben einen Punkt, oder "
                              "ein Leerzeichen, oder ein Fragezeichen einsetzten. ")));
    setTip(mainWindow, QStringLiteral("Check1"),
           tip(QStringLiteral("Wenn Sie diese Funktion aktivieren, können Sie noch einen "
                              "zusätzlichen Suchtext eingeben.")));
    for (int i = 0; i < 14; ++i) {
        setTip(mainWindow, QStringLiteral("Command1_%1").arg(i),
               tip(QStringLiteral("Textsuche in den Begriffen mit %1 Buchstaben durchführen.")
                       .arg(i + 2)));
    }
    setTip(mainWindow, QStringLiteral("Command1_14"),
           tip(QStringLiteral("Textsuche in der gesamten Datenbank.")));
    // The count's own face says enough.
    setTip(mainWindow, QStringLiteral("Label2"), QString());
}

}  // namespace vondrik
