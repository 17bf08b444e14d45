// The preference menu on the real main window: colours, font, reminder marks and the settings
// file as the window reads them at load and writes them at close, the sound panel Frame8 and
// the background picture chooser Frame6.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

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

    QRadioButton* option(int pair, int index) const {
        return child<QRadioButton>(panel("Frame8"), QStringLiteral("Option%1").arg(pair), index);
    }
    QWidget* panel(const char* name) const { return control<QWidget>(*haupt, name); }
    void click(const char* panelName, const char* button) const {
        child<QPushButton>(panel(panelName), button)->click();
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

TEST_F(PreferencesTest, SoundPanelOkKeepsSwitchesAndFilesAbbrechenDropsThemAndDefaultsResetThem) {
    const Preferences before = haupt->preferences();
    const QString own = app.file("ton/8.wav");
    fake.commonDialogs.scriptFiles({own, "", ""});
    haupt->menuAction("töne")->trigger();
    click("Frame8", "Command13");  // a chosen file is played at once
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(fake.sound.played[0].path, own);
    click("Frame8", "Command15");  // cancelled: the alarm keeps its file and stays silent
    EXPECT_EQ(fake.sound.played.size(), 1);
    option(1, 1)->click();
    option(2, 1)->click();
    EXPECT_TRUE(option(3, 0)->isChecked());  // each pair is a group of its own
    click("Frame8", "Command16");
    EXPECT_FALSE(panel("Frame8")->isVisible());
    EXPECT_EQ(haupt->preferences().successSoundFile, own);
    EXPECT_EQ(haupt->preferences().alarmSoundFile, before.alarmSoundFile);
    // The main window's searches follow what OK kept.
    ASSERT_FALSE(search("###r####").isEmpty());
    ASSERT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_EQ(fake.sound.played.size(), 1);

    haupt->menuAction("töne")->trigger();  // the panel shows what OK kept
    EXPECT_TRUE(option(1, 1)->isChecked() && option(2, 1)->isChecked() &&
                option(3, 0)->isChecked());
    option(1, 0)->click();
    click("Frame8", "Command14");  // cancelled: the search sound takes the empty name
    click("Frame8", "Command11");  // Abbrechen
    EXPECT_FALSE(panel("Frame8")->isVisible());
    EXPECT_FALSE(haupt->preferences().successSound);
    EXPECT_EQ(haupt->preferences().failureSoundFile, before.failureSoundFile);
    haupt->menuAction("töne")->trigger();
    click("Frame8", "Command12");  // the defaults for every sound
    const Preferences defaults = Preferences::defaults(fake.appFolder);
    EXPECT_TRUE(haupt->preferences().successSound && haupt->preferences().failureSound);
    EXPECT_EQ(haupt->preferences().successSoundFile, defaults.successSoundFile);
}

// File1 lists the folder once it has loaded it; a clicked file goes lower-cased into Text4 and,
// if it is a jpg, bmp or gif, into the preview.
TEST_F(PreferencesTest, PictureChooserTracesTheLowerCasedPathToTheFileItTakes) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QDir().mkpath(app.file("hintergrund/Urlaub Ägypten"));
    ASSERT_TRUE(image.save(app.file("hintergrund/Urlaub Ägypten/Strand.JPG")));
    writeBytes(app.file("hintergrund/Notiz.txt"), "");
    auto* chooser = control<PictureChooser>(*haupt, "Frame6");
    const auto clickFile = [&](const QString& name) {
        auto* files = child<QListView>(chooser, "File1");
        auto* model = static_cast<QFileSystemModel*>(files->model());
        QModelIndex index;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            index = model->index(QDir(chooser->folder()).filePath(name));
            return index.isValid() && model->rowCount(files->rootIndex()) > 0;
        })) << "the file list never showed "
            << name.toStdString();
        files->scrollTo(index);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(index).center());
        ASSERT_EQ(files->currentIndex(), index) << name.toStdString();
    };
    const auto path = [&] { return child<QLineEdit>(chooser, "Text4")->text(); };
    const auto lowered = [&](const QString& relative) {
        return QDir::toNativeSeparators(app.file("hintergrund/" + relative).toLower());
    };
    const auto previewSize = [&] { return child<QLabel>(chooser, "Image2")->pixmap().size(); };

    const QString before = haupt->preferences().picture;
    haupt->menuAction("higru")->trigger();
    EXPECT_EQ(path(), QDir::toNativeSeparators(before));
    clickFile("Notiz.txt");
    EXPECT_EQ(path(), lowered("Notiz.txt"));
    // A file that is no picture, or none at all, is refused and the user can choose again.
    click("Frame6", "Command8");
    child<QLineEdit>(chooser, "Text4")->setText("/gibt/es/nicht.jpg");
    click("Frame6", "Command8");
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("ist kein Bild"));
    EXPECT_TRUE(chooser->isVisible());
    click("Frame6", "Command9");  // abbrechen
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, before);

    haupt->menuAction("higru")->trigger();
    auto* folders = child<QTreeView>(chooser, "Dir1");
    const QString holiday = app.file("hintergrund/Urlaub Ägypten");
    folders->setCurrentIndex(static_cast<QFileSystemModel*>(folders->model())->index(holiday));
    EXPECT_EQ(path(), QDir::toNativeSeparators(holiday));
    clickFile("Strand.JPG");
    EXPECT_EQ(path(), lowered("Urlaub Ägypten/Strand.JPG"));
    EXPECT_EQ(previewSize(), QSize(12, 8));
    click("Frame6", "Command8");
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, holiday + "/Strand.JPG");
    EXPECT_EQ(Image1(*haupt)->pixmap().size(), QSize(12, 8));
    EXPECT_EQ(fake.messageBox.shown().size(), 2);
}

}  // namespace
}  // namespace vondrik::test
