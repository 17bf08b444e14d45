// The background picture chooser Frame6: opening, folders, the lower-cased path of a clicked
// file, the preview rule, and taking or dropping the choice.
#include "shell/picture_chooser.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

#include "haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class PictureChooserTest : public HauptTest {
  protected:
    void SetUp() override {
        saveImage("hintergrund/SOMMER.BMP", QSize(40, 30), Qt::red, "BMP");
        saveImage("hintergrund/foto.png", QSize(20, 20), Qt::blue, "PNG");
        QFile notes(app.file("hintergrund/Notiz.txt"));
        notes.open(QIODevice::WriteOnly);
        HauptTest::SetUp();
        chooser = haupt->Frame6;
    }

    void saveImage(const QString& relative, QSize size, Qt::GlobalColor colour,
                   const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(app.file(relative), format));
    }

    void open() {
        haupt->menuAction("higru")->trigger();
        ASSERT_TRUE(chooser->isVisible());
    }

    // Clicks a file of File1 once the list has loaded its folder.
    void clickFile(const QString& name) {
        auto* model = static_cast<QFileSystemModel*>(chooser->File1->model());
        QModelIndex index;
        QTRY_VERIFY((index = model->index(QDir(chooser->folder()).filePath(name))).isValid() &&
                    model->rowCount(chooser->File1->rootIndex()) > 0);
        chooser->File1->scrollTo(index);
        QTest::mouseClick(chooser->File1->viewport(), Qt::LeftButton, {},
                          chooser->File1->visualRect(index).center());
        ASSERT_EQ(chooser->File1->currentIndex(), index) << name.toStdString();
    }

    QString lowered(const QString& relative) const {
        return QDir::toNativeSeparators(app.file(relative).toLower());
    }

    PictureChooser* chooser = nullptr;
};

TEST_F(PictureChooserTest, OpensOnTheCurrentPictureAndThePictureFolder) {
    EXPECT_FALSE(chooser->isVisible());
    open();
    EXPECT_EQ(chooser->Text4->text(), QDir::toNativeSeparators(haupt->prefs.picture));
    EXPECT_FALSE(chooser->Image2->pixmap().isNull());
    EXPECT_EQ(chooser->folder(), app.file("hintergrund"));
    EXPECT_EQ(chooser->Dir1->currentIndex().data().toString(), "hintergrund");
    // However long the way from the drive, the folder ends up in view.
    QTRY_VERIFY(chooser->Dir1->viewport()->rect().contains(
        chooser->Dir1->visualRect(chooser->Dir1->currentIndex())));
    EXPECT_FALSE(chooser->Drive1->currentText().isEmpty());
    EXPECT_TRUE(app.path().startsWith(chooser->Drive1->currentText()));
    EXPECT_EQ(chooser->Label9->text(), "Vorschau");
    EXPECT_EQ(chooser->Command8->text(), "Das möchte ich haben");
    EXPECT_EQ(chooser->Command9->text(), "abbrechen");
}

TEST_F(PictureChooserTest, AClickedFileGoesLowerCasedIntoThePathBox) {
    open();
    clickFile("SOMMER.BMP");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/SOMMER.BMP"));
    EXPECT_EQ(chooser->Image2->pixmap().size(), QSize(40, 30));

    // Only jpg, bmp and gif are previewed; other files leave the preview as it was.
    clickFile("Notiz.txt");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/Notiz.txt"));
    EXPECT_EQ(chooser->Image2->pixmap().size(), QSize(40, 30));
    clickFile("foto.png");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/foto.png"));
    EXPECT_EQ(chooser->Image2->pixmap().size(), QSize(40, 30));
    clickFile("game.jpg");
    EXPECT_EQ(chooser->Image2->pixmap().toImage(),
              QPixmap(app.file("hintergrund/game.jpg")).toImage());
}

TEST_F(PictureChooserTest, ThePreviewRuleLooksAtTheLastThreeCharacters) {
    EXPECT_TRUE(isPreviewPicture("c:\\bilder\\a.jpg"));
    EXPECT_TRUE(isPreviewPicture("/b/a.gif"));
    EXPECT_TRUE(isPreviewPicture("/b/a.bmp"));
    EXPECT_TRUE(isPreviewPicture("/b/ohnepunktjpg"));
    EXPECT_FALSE(isPreviewPicture("/b/a.jpeg"));
    EXPECT_FALSE(isPreviewPicture("/b/a.png"));
    EXPECT_FALSE(isPreviewPicture("/b/a.JPG"));  // the path box holds lower case only
}

TEST_F(PictureChooserTest, ChoosingAFolderListsItsFilesAndShowsItsPath) {
    ASSERT_TRUE(QDir(app.path()).mkpath("hintergrund/Urlaub"));
    saveImage("hintergrund/Urlaub/Strand.JPG", QSize(12, 8), Qt::yellow, "JPG");
    open();
    auto* folders = static_cast<QFileSystemModel*>(chooser->Dir1->model());
    const QModelIndex holiday = folders->index(app.file("hintergrund/Urlaub"));
    ASSERT_TRUE(holiday.isValid());
    chooser->Dir1->setCurrentIndex(holiday);
    EXPECT_EQ(chooser->folder(), app.file("hintergrund/Urlaub"));
    EXPECT_EQ(chooser->Text4->text(), QDir::toNativeSeparators(app.file("hintergrund/Urlaub")));
    clickFile("Strand.JPG");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/Urlaub/Strand.JPG"));
    EXPECT_EQ(chooser->Image2->pixmap().size(), QSize(12, 8));
}

TEST_F(PictureChooserTest, TakingTheChoiceTracesTheLowerCasedPathToTheFile) {
    open();
    clickFile("SOMMER.BMP");
    chooser->Command8->click();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->prefs.picture, app.file("hintergrund/SOMMER.BMP"));
    EXPECT_EQ(haupt->Image1->pixmap().size(), QSize(40, 30));

    // The picture survives a restart.
    haupt->close();
    start();
    EXPECT_EQ(haupt->Image1->pixmap().size(), QSize(40, 30));
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(PictureChooserTest, AbbrechenChangesNothing) {
    const QString before = haupt->prefs.picture;
    const QImage shown = haupt->Image1->pixmap().toImage();
    open();
    clickFile("SOMMER.BMP");
    chooser->Command9->click();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->prefs.picture, before);
    EXPECT_EQ(haupt->Image1->pixmap().toImage(), shown);
}

TEST_F(PictureChooserTest, AFileThatIsNoPictureIsRefusedWithAMessage) {
    const QString before = haupt->prefs.picture;
    open();
    clickFile("Notiz.txt");
    chooser->Command8->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(chooser->isVisible());  // the user can choose again
    EXPECT_EQ(haupt->prefs.picture, before);

    chooser->Text4->setText(QStringLiteral("/gibt/es/nicht.jpg"));
    chooser->Command8->click();
    EXPECT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(haupt->prefs.picture, before);
}

}  // namespace
}  // namespace vondrik::test
