// Colours, font, reminder marks and the settings file as the main window reads them at load
// and writes them at close.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "haupt_fixture.h"
#include "shell/settings_file.h"
#include "support/qt_printers.h"
#include "ui/text_file.h"

namespace vondrik::test {
namespace {

// The program's colour form.
constexpr int rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

class PreferencesTest : public HauptTest {
  protected:
    QColor listBackground() const { return haupt->List1->palette().color(QPalette::Base); }
    QColor listText() const { return haupt->List1->palette().color(QPalette::Text); }

    // Closes the main window, which writes the settings file, and loads a new one.
    void restart() {
        haupt->close();
        start();
    }

    QStringList iniLines() const {
        return readLines(app.file("vondrik.ini")).value_or(QStringList{"(fehlt)"});
    }
};

TEST_F(PreferencesTest, ThePreferenceMenuItemsAreEnabled) {
    for (const char* name : {"notebook", "hfarb", "tfarb", "schrift", "standard", "higru", "töne",
                             "geban", "gebaus"}) {
        EXPECT_TRUE(haupt->menuAction(QString::fromUtf8(name))->isEnabled()) << name;
    }
}

TEST_F(PreferencesTest, WithoutSettingsFileTheListHasTheDefaultLook) {
    EXPECT_EQ(listBackground(), QColor(255, 255, 192));
    EXPECT_EQ(listText(), QColor(0, 0, 255));
    EXPECT_EQ(haupt->List1->font().family(), haupt->designedFontName());
    EXPECT_EQ(haupt->List1->font().pointSizeF(), haupt->designedFontSize());
    EXPECT_FALSE(haupt->menuAction("geban")->isChecked());
    EXPECT_TRUE(haupt->menuAction("gebaus")->isChecked());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(PreferencesTest, ColourAndFontDialogsApplyAtOnceAndSurviveARestart) {
    fake.commonDialogs.scriptColours({rgb(192, 255, 192), rgb(128, 0, 64)});
    fake.commonDialogs.scriptFonts({FontChoice{"DejaVu Serif", 13.5}});
    haupt->menuAction("hfarb")->trigger();
    EXPECT_EQ(listBackground(), QColor(192, 255, 192));
    haupt->menuAction("tfarb")->trigger();
    EXPECT_EQ(listText(), QColor(128, 0, 64));
    haupt->menuAction("schrift")->trigger();
    EXPECT_EQ(haupt->List1->font().family(), "DejaVu Serif");
    EXPECT_EQ(haupt->List1->font().pointSizeF(), 13.5);
    // Each dialog starts from what the list shows.
    EXPECT_EQ(fake.commonDialogs.colourStarts, QList<int>({12648447, 16711680}));
    ASSERT_EQ(fake.commonDialogs.fontStarts.size(), 1);
    EXPECT_EQ(fake.commonDialogs.fontStarts[0].name, haupt->designedFontName());

    restart();
    EXPECT_EQ(iniLines().mid(0, 4), QStringList({QString::number(rgb(192, 255, 192)).prepend(u' '),
                                                 QString::number(rgb(128, 0, 64)).prepend(u' '),
                                                 "DejaVu Serif", " 13.5"}));
    EXPECT_EQ(listBackground(), QColor(192, 255, 192));
    EXPECT_EQ(listText(), QColor(128, 0, 64));
    EXPECT_EQ(haupt->List1->font().family(), "DejaVu Serif");
    EXPECT_EQ(haupt->List1->font().pointSizeF(), 13.5);
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(u'\n').toStdString();
}

TEST_F(PreferencesTest, CancelledDialogsChangeNothing) {
    fake.commonDialogs.scriptColours({std::nullopt, std::nullopt});
    fake.commonDialogs.scriptFonts({std::nullopt});
    const QFont before = haupt->List1->font();
    haupt->menuAction("hfarb")->trigger();
    haupt->menuAction("tfarb")->trigger();
    haupt->menuAction("schrift")->trigger();
    EXPECT_EQ(listBackground(), QColor(255, 255, 192));
    EXPECT_EQ(listText(), QColor(0, 0, 255));
    EXPECT_EQ(haupt->List1->font(), before);
}

TEST_F(PreferencesTest, StandardRestoresColoursAndFontOnly) {
    fake.commonDialogs.scriptColours({rgb(0, 0, 0), rgb(255, 255, 255)});
    fake.commonDialogs.scriptFonts({FontChoice{"DejaVu Serif", 20}});
    haupt->menuAction("hfarb")->trigger();
    haupt->menuAction("tfarb")->trigger();
    haupt->menuAction("schrift")->trigger();
    const QString picture = app.file("hintergrund/game.jpg");
    haupt->prefs.picture = picture;
    haupt->prefs.failureSound = false;
    haupt->prefs.alarmSoundFile = app.file("ton/8.wav");
    haupt->menuAction("geban")->trigger();

    haupt->menuAction("standard")->trigger();
    EXPECT_EQ(listBackground(), QColor(255, 255, 192));
    EXPECT_EQ(listText(), QColor(0, 0, 255));
    EXPECT_EQ(haupt->List1->font().family(), haupt->designedFontName());
    EXPECT_EQ(haupt->List1->font().pointSizeF(), haupt->designedFontSize());
    EXPECT_EQ(haupt->prefs.picture, picture);
    EXPECT_FALSE(haupt->prefs.failureSound);
    EXPECT_EQ(haupt->prefs.alarmSoundFile, app.file("ton/8.wav"));
    EXPECT_TRUE(haupt->menuAction("geban")->isChecked());

    // The designed font is written out by name and size, not left empty.
    restart();
    EXPECT_EQ(iniLines()[2], haupt->designedFontName());
    EXPECT_EQ(iniLines()[5], picture);
}

TEST_F(PreferencesTest, ReminderMarksArePairedAndSavedAsLineFive) {
    QAction* an = haupt->menuAction("geban");
    QAction* aus = haupt->menuAction("gebaus");
    an->trigger();
    an->trigger();  // choosing it again keeps it on
    EXPECT_TRUE(an->isChecked());
    EXPECT_FALSE(aus->isChecked());
    restart();
    EXPECT_EQ(iniLines()[4], "1");
    EXPECT_TRUE(haupt->menuAction("geban")->isChecked());
    EXPECT_FALSE(haupt->menuAction("gebaus")->isChecked());

    haupt->menuAction("gebaus")->trigger();
    EXPECT_FALSE(haupt->menuAction("geban")->isChecked());
    restart();
    EXPECT_EQ(iniLines()[4], "0");
    EXPECT_FALSE(haupt->menuAction("geban")->isChecked());
}

TEST_F(PreferencesTest, SettingsFileIsAppliedAtLoad) {
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"),
                           {" 12648447", "255", "DejaVu Sans Mono", "12,75", "1",
                            app.file("hintergrund/game.jpg"), " 1", "0", "1", app.file("ton/8.wav"),
                            app.file("ton/gibtsnicht.wav"), app.file("ton/12.wav")}));
    start();
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
    EXPECT_EQ(listBackground(), QColor(255, 255, 192));
    EXPECT_EQ(listText(), QColor(255, 0, 0));
    EXPECT_EQ(haupt->List1->font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(haupt->List1->font().pointSizeF(), 12.75);
    EXPECT_TRUE(haupt->menuAction("geban")->isChecked());
    EXPECT_EQ(haupt->Image1->pixmap().toImage(),
              QPixmap(app.file("hintergrund/game.jpg")).toImage());
    EXPECT_TRUE(haupt->prefs.successSound);
    EXPECT_FALSE(haupt->prefs.failureSound);
    EXPECT_EQ(haupt->prefs.successSoundFile, app.file("ton/8.wav"));
    EXPECT_EQ(haupt->prefs.failureSoundFile, app.file("ton/oooch.wav"));
}

TEST_F(PreferencesTest, AShortSettingsFileShowsOneLoadErrorPerMissingLine) {
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"), {" 0", " 16777215", "DejaVu Sans"}));
    start();
    ASSERT_EQ(fake.messageBox.shown().size(), 9);
    for (int i = 0; i < 9; ++i) {
        const ShownMessage& m = fake.messageBox.shown()[i];
        EXPECT_EQ(m.text, "Fehlermeldung");
        EXPECT_EQ(m.icon, MessageIcon::Critical);
        EXPECT_TRUE(m.title.contains(QStringLiteral("Zeile %1").arg(4 + i)))
            << m.title.toStdString();
    }
    // What was read is applied; the rest keeps its defaults and the window is usable.
    EXPECT_EQ(listBackground(), QColor(0, 0, 0));
    EXPECT_EQ(listText(), QColor(255, 255, 255));
    EXPECT_EQ(haupt->List1->font().pointSizeF(), haupt->designedFontSize());
    EXPECT_FALSE(haupt->Image1->pixmap().isNull());
    EXPECT_EQ(haupt->Text1->text(), "Guten Tag");
}

TEST_F(PreferencesTest, CloseReplacesTheWholeFileAndReportsAFailedWrite) {
    QStringList old(14, QStringLiteral("alt"));
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"), old));
    start();
    restart();
    EXPECT_EQ(iniLines().size(), 12);
    EXPECT_EQ(iniLines()[0], " 12648447");

    // A folder in the file's place cannot be replaced: the user hears of it and the rest of
    // the close sequence still runs.
    ASSERT_TRUE(QFile::remove(app.file("vondrik.ini")));
    ASSERT_TRUE(QDir(app.path()).mkdir("vondrik.ini"));
    const qsizetype before = fake.messageBox.shown().size();
    haupt->close();
    ASSERT_EQ(fake.messageBox.shown().size(), before + 1);
    EXPECT_EQ(fake.messageBox.shown().last().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(fake.messageBox.shown().last().text.contains("vondrik.ini"));
    EXPECT_FALSE(haupt->DB->isOpen());
}

}  // namespace
}  // namespace vondrik::test
