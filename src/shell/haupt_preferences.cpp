// The main window's preferences: the colour, font, picture and sound menu items, the
// reminder check marks, the notebook window, and the settings file read at load and written
// at close.
#include <QAction>

#include "ui/widgets/result_list.h"
#include "shell/haupt.h"
#include "shell/notebook_window.h"
#include "shell/picture_chooser.h"
#include "shell/settings_file.h"
#include "shell/sound_panel.h"

namespace vondrik {
namespace {

void showReminderMarks(const Haupt& haupt, bool on) {
    haupt.menuAction(QStringLiteral("geban"))->setChecked(on);
    haupt.menuAction(QStringLiteral("gebaus"))->setChecked(!on);
}

}  // namespace

void Haupt::buildPreferencePanels() {
    Frame6 = new PictureChooser(*this, client_);
    Frame8 = new SoundPanel(*this, client_);
}

void Haupt::connectPreferenceMenu() {
    const auto onMenu = [this](const char* name, auto handler) {
        connect(menuAction(QString::fromUtf8(name)), &QAction::triggered, this, handler);
    };
    onMenu("hfarb", [this] {
        if (const auto colour = platform_.commonDialogs.chooseColour(prefs.listBackground)) {
            prefs.listBackground = *colour;
            applyListLook();
        }
    });
    onMenu("tfarb", [this] {
        if (const auto colour = platform_.commonDialogs.chooseColour(prefs.listText)) {
            prefs.listText = *colour;
            applyListLook();
        }
    });
    onMenu("schrift", [this] {
        const FontChoice current{List1->font().family(), List1->font().pointSizeF()};
        if (const auto font = platform_.commonDialogs.chooseFont(current)) {
            prefs.fontName = font->name;
            prefs.fontSize = font->size;
            applyListLook();
        }
    });
    onMenu("standard", [this] {
        prefs.listBackground = kDefaultListBackground;
        prefs.listText = kDefaultListText;
        prefs.fontName.clear();  // the designed font and size
        prefs.fontSize = 0;
        applyListLook();
    });
    onMenu("higru", [this] { Frame6->open(); });
    onMenu("töne", [this] { Frame8->open(); });
    onMenu("notebook", [this] {
        notbook* window = findChild<notbook*>();
        if (!window) {
            window = new notbook(*this);
        }
        window->show();
        window->raise();
        window->activateWindow();
    });
    // Triggering a checkable item flips its mark; these two set theirs as a pair instead.
    onMenu("geban", [this] {
        prefs.reminders = true;
        showReminderMarks(*this, true);
    });
    onMenu("gebaus", [this] {
        prefs.reminders = false;
        showReminderMarks(*this, false);
    });
}

void Haupt::readSettings() {
    const SettingsRead read = readSettingsFile(platform_.appFolder);
    for (const QString& error : read.errors) {
        platform_.messageBox.show(QStringLiteral("Fehlermeldung"), error, MessageIcon::Critical);
    }
    prefs = read.prefs;
    showReminderMarks(*this, prefs.reminders);
    applyListLook();
}

void Haupt::writeSettings() {
    Preferences current = prefs;
    current.reminders = menuAction(QStringLiteral("geban"))->isChecked();
    if (current.fontName.isEmpty()) {
        current.fontName = designedFontName_;
    }
    if (current.fontSize <= 0) {
        current.fontSize = designedFontSize_;
    }
    if (!writeSettingsFile(platform_.appFolder, current)) {
        platform_.messageBox.show(
            QStringLiteral("Die Einstellungen konnten nicht in der Datei %1 gespeichert werden. "
                           "Beim nächsten Start gelten die zuletzt gespeicherten Einstellungen.")
                .arg(platform_.appFolder.appPath(kSettingsFile)),
            QStringLiteral("Vondrik 2000"), MessageIcon::Exclamation);
    }
}

}  // namespace vondrik
