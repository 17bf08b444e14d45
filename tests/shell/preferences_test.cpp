// Colours, font, reminder marks and the settings file as the main window reads them at load
// and writes them at close.
#include <QAction>
#include <QDir>
#include <QFile>

#include "haupt_fixture.h"
#include "shell/number_text.h"
#include "shell/picture_chooser.h"
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
    QColor listBackground() const { return List1(*haupt)->palette().color(QPalette::Base); }
    QColor listText() const { return List1(*haupt)->palette().color(QPalette::Text); }

    void expectListFont(const QString& family, double size) const {
        EXPECT_EQ(List1(*haupt)->font().family(), family);
        EXPECT_EQ(List1(*haupt)->font().pointSizeF(), size);
    }

    // Closes the main window, which writes the settings file, and loads a new one.
    void restart() {
        haupt->close();
        start();
    }

    QStringList iniLines() const {
        return readLines(app.file("vondrik.ini")).value_or(QStringList{"(fehlt)"});
    }
};

TEST_F(PreferencesTest, ColoursAndFontApplyAtOnceSurviveARestartAndStandardRestoresOnlyThem) {
    fake.commonDialogs.scriptColours({std::nullopt, rgb(192, 255, 192), rgb(128, 0, 64)});
    fake.commonDialogs.scriptFonts({std::nullopt, FontChoice{"DejaVu Serif", 13.5}});
    for (const char* item : {"hfarb", "schrift", "hfarb", "tfarb", "schrift"}) {
        haupt->menuAction(item)->trigger();
    }
    EXPECT_EQ(listBackground(), QColor(192, 255, 192));
    EXPECT_EQ(listText(), QColor(128, 0, 64));
    expectListFont("DejaVu Serif", 13.5);
    // Each dialog starts from what the list shows; a cancelled one changed nothing.
    EXPECT_EQ(fake.commonDialogs.colourStarts, QList<int>({12648447, 12648447, 16711680}));
    ASSERT_EQ(fake.commonDialogs.fontStarts.size(), 2);
    EXPECT_EQ(fake.commonDialogs.fontStarts[1].name, haupt->designedFontName());
    restart();
    EXPECT_EQ(iniLines().mid(0, 4),
              QStringList({" 12648384", " 4194432", "DejaVu Serif", " 13.5"}));
    EXPECT_EQ(listBackground(), QColor(192, 255, 192));
    expectListFont("DejaVu Serif", 13.5);

    // Standard leaves the picture and the reminder marks alone.
    const QString picture = app.file("hintergrund/game.jpg");
    emit control<PictureChooser>(*haupt, "Frame6")->pictureChosen(picture, QPixmap(picture));
    haupt->menuAction("geban")->trigger();
    haupt->menuAction("geban")->trigger();  // choosing it again keeps it on
    haupt->menuAction("standard")->trigger();
    EXPECT_EQ(listBackground(), QColor(255, 255, 192));
    EXPECT_EQ(listText(), QColor(0, 0, 255));
    expectListFont(haupt->designedFontName(), haupt->designedFontSize());

    // The designed font is written out by name, not left empty; picture and marks come back.
    restart();
    EXPECT_EQ(iniLines().mid(2, 4),
              QStringList({haupt->designedFontName(), formatNumber(haupt->designedFontSize()), "1",
                           picture}));
    EXPECT_EQ(Image1(*haupt)->pixmap().toImage(), QPixmap(picture).toImage());
    EXPECT_TRUE(haupt->menuAction("geban")->isChecked());
    haupt->menuAction("gebaus")->trigger();
    EXPECT_FALSE(haupt->menuAction("geban")->isChecked());
    restart();
    EXPECT_EQ(iniLines()[4], "0");
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(u'\n').toStdString();
}

TEST_F(PreferencesTest, CrosswordSpellingCountsBoxesAndSurvivesARestart) {
    QAction* boxes = haupt->menuAction("kaestchen");
    EXPECT_FALSE(boxes->isChecked());
    EXPECT_TRUE(search("stra##e").filter("STRAßE").isEmpty());  // seven letters
    boxes->trigger();
    restart();
    EXPECT_TRUE(haupt->menuAction("kaestchen")->isChecked());
    EXPECT_EQ(search("stra##e").filter("STRAßE"), QStringList{"STRAßE (STRASSE)\tFahrweg"});
    haupt->menuAction("kaestchen")->trigger();
    restart();
    EXPECT_FALSE(haupt->menuAction("kaestchen")->isChecked());
    EXPECT_EQ(iniLines().value(12), "0");
}

TEST_F(PreferencesTest, EachMissingSettingsLineIsALoadErrorAndLoadingGoesOn) {
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"), {" 0", " 16777215", "DejaVu Sans"}));
    start();
    // The reader's errors, one per missing line, become the load sequence's messages.
    ASSERT_EQ(messageTexts(), QStringList(9, "Fehlermeldung"));
    EXPECT_TRUE(fake.messageBox.shown()[8].title.contains("Zeile 12"));
    EXPECT_EQ(listBackground(), QColor(0, 0, 0));
    EXPECT_EQ(listText(), QColor(255, 255, 255));
    EXPECT_EQ(Text1(*haupt)->text(), "Guten Tag");
}

TEST_F(PreferencesTest, CloseReplacesTheWholeFileAndReportsAFailedWrite) {
    ASSERT_TRUE(writeLines(app.file("vondrik.ini"), QStringList(14, "alt")));
    start();
    restart();
    EXPECT_EQ(iniLines().size(), 13);
    EXPECT_EQ(iniLines()[0], " 12648447");

    // A folder in the file's place cannot be replaced: the user hears of it and the rest of
    // the close sequence still runs.
    ASSERT_TRUE(QFile::remove(app.file("vondrik.ini")));
    ASSERT_TRUE(QDir(app.path()).mkdir("vondrik.ini"));
    haupt->close();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.startsWith(
        "Die Einstellungen konnten nicht in der Datei "));
    EXPECT_FALSE(haupt->session().isOpen());
}

}  // namespace
}  // namespace vondrik::test
