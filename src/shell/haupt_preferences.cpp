// The main window's preferences: the colour, font, picture and sound menu items, the
// reminder check marks, the notebook window, and the settings file read at load and written
// at close.
#include <QAction>
#include <QLabel>

#include "shell/haupt.h"
#include "shell/notebook_window.h"
#include "shell/picture_chooser.h"
#include "shell/settings_file.h"
#include "shell/sound_panel.h"
#include "ui/widgets/open_once.h"
#include "ui/widgets/result_list.h"

namespace vondrik {
namespace {

void showReminderMarks(const Haupt& haupt, bool on) {
    haupt.menuAction(QStringLiteral("geban"))->setChecked(on);
    haupt.menuAction(QStringLiteral("gebaus"))->setChecked(!on);
}

}  // namespace

void Haupt::buildPreferencePanels() {
    Frame6 = new PictureChooser(platform_, client_);
    connect(Frame6, &PictureChooser::pictureChosen, this,
            [this](const QString& path, const QPixmap& picture) {
                prefs_.picture = path;
                Image1->setPixmap(picture);
            });
    Frame8 = new SoundPanel(platform_, client_);
    connect(Frame8, &SoundPanel::soundsChanged, this,
            [this](const Preferences& sounds) { takeSounds(prefs_, sounds); });
}

void Haupt::connectPreferenceMenu() {
    const auto onMenu = [this](const char* name, auto handler) {
        connect(menuAction(QString::fromUtf8(name)), &QAction::triggered, this, handler);
    };
    onMenu("hfarb", [this] {
        if (const auto colour = platform_.commonDialogs.chooseColour(prefs_.listBackground)) {
            prefs_.listBackground = *colour;
            applyListLook();
        }
    });
    onMenu("tfarb", [this] {
        if (const auto colour = platform_.commonDialogs.chooseColour(prefs_.listText)) {
            prefs_.listText = *colour;
            applyListLook();
        }
    });
    onMenu("schrift", [this] {
        const FontChoice current{List1->font().family(), List1->font().pointSizeF()};
        if (const auto font = platform_.commonDialogs.chooseFont(current)) {
            prefs_.fontName = font->name;
            prefs_.fontSize = font->size;
            applyListLook();
        }
    });
    onMenu("standard", [this] {
        prefs_.listBackground = kDefaultListBackground;
        prefs_.listText = kDefaultListText;
        prefs_.fontName.clear();  // the designed font and size
        prefs_.fontSize = 0;
        applyListLook();
    });
    onMenu("higru", [this] { Frame6->open(prefs_.picture); });
    onMenu("töne", [this] { Frame8->open(prefs_); });
    onMenu("notebook", [this] {
        notbook* window = openOnce<notbook>(this, platform_);
        connect(window, &notbook::shiftChanged, this, &Haupt::applyNotebookShift,
                Qt::UniqueConnection);
    });
    // Triggering a checkable item flips its mark; these two set theirs as a pair instead.
    onMenu("geban", [this] {
        prefs_.reminders = true;
        showReminderMarks(*this, true);
    });
    onMenu("gebaus", [this] {
        prefs_.reminders = false;
        showReminderMarks(*this, false);
    });
    onMenu("kaestchen", [this](bool checked) {
        prefs_.boxSpelling = checked;
        searches_.setBoxSpelling(checked);
    });
}

void Haupt::readSettings() {
    const SettingsRead read = readSettingsFile(platform_.appFolder);
    for (const QString& error : read.errors) {
        platform_.messageBox.show(QStringLiteral("Fehlermeldung"), error, MessageIcon::Critical);
    }
    prefs_ = read.prefs;
    showReminderMarks(*this, prefs_.reminders);
    menuAction(QStringLiteral("kaestchen"))->setChecked(prefs_.boxSpelling);
    searches_.setBoxSpelling(prefs_.boxSpelling);
    applyListLook();
}

void Haupt::writeSettings() {
    Preferences current = prefs_;
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
