// The background picture chooser Frame6: opening, folders, the lower-cased path of a clicked
// file and its preview, and taking or dropping the choice.
#include "shell/picture_chooser.h"

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
        saveImage("hintergrund/SOMMER.BMP", QSize(40, 30));
        saveImage("hintergrund/foto.png", QSize(20, 20));
        QFile(app.file("hintergrund/Notiz.txt")).open(QIODevice::WriteOnly);
        HauptTest::SetUp();
        chooser = Frame6(*haupt);
        haupt->menuAction("higru")->trigger();
        ASSERT_TRUE(chooser->isVisible());
    }

    void saveImage(const QString& relative, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(app.file(relative)));
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
    QSize previewSize() const { return chooser->Image2->pixmap().size(); }

    PictureChooser* chooser = nullptr;
};

TEST_F(PictureChooserTest, ClickedFilesGoLowerCasedIntoThePathBoxAndNoPictureIsTaken) {
    const QString before = haupt->preferences().picture;
    const QImage shown = Image1(*haupt)->pixmap().toImage();
    EXPECT_EQ(chooser->Text4->text(), QDir::toNativeSeparators(before));
    EXPECT_FALSE(chooser->Image2->pixmap().isNull());
    EXPECT_EQ(chooser->folder(), app.file("hintergrund"));
    EXPECT_EQ(chooser->Dir1->currentIndex().data().toString(), "hintergrund");
    // However long the way from the drive, the folder ends up in view.
    QTRY_VERIFY(chooser->Dir1->viewport()->rect().contains(
        chooser->Dir1->visualRect(chooser->Dir1->currentIndex())));
    EXPECT_FALSE(chooser->Drive1->currentText().isEmpty());
    EXPECT_TRUE(app.path().startsWith(chooser->Drive1->currentText()));

    clickFile("SOMMER.BMP");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/SOMMER.BMP"));
    EXPECT_EQ(previewSize(), QSize(40, 30));
    // Only jpg, bmp and gif are previewed; other files leave the preview as it was.
    for (const char* other : {"foto.png", "Notiz.txt"}) {
        clickFile(other);
        EXPECT_EQ(chooser->Text4->text(), lowered(QStringLiteral("hintergrund/") + other));
        EXPECT_EQ(previewSize(), QSize(40, 30));
    }
    // A file that is no picture, or none at all, is refused and the user can choose again.
    chooser->Command8->click();
    chooser->Text4->setText("/gibt/es/nicht.jpg");
    chooser->Command8->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Hintergrundbild");
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("ist kein Bild"));
    EXPECT_TRUE(chooser->isVisible());

    chooser->Command9->click();  // abbrechen
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, before);
    EXPECT_EQ(Image1(*haupt)->pixmap().toImage(), shown);
}

TEST_F(PictureChooserTest, TakingTheChoiceTracesTheLowerCasedPathToTheFile) {
    ASSERT_TRUE(QDir(app.path()).mkpath("hintergrund/Urlaub Ägypten"));
    saveImage("hintergrund/Urlaub Ägypten/Strand.JPG", QSize(12, 8));
    auto* folders = static_cast<QFileSystemModel*>(chooser->Dir1->model());
    const QModelIndex holiday = folders->index(app.file("hintergrund/Urlaub Ägypten"));
    ASSERT_TRUE(holiday.isValid());
    chooser->Dir1->setCurrentIndex(holiday);
    EXPECT_EQ(chooser->folder(), app.file("hintergrund/Urlaub Ägypten"));
    EXPECT_EQ(chooser->Text4->text(),
              QDir::toNativeSeparators(app.file("hintergrund/Urlaub Ägypten")));
    clickFile("Strand.JPG");
    EXPECT_EQ(chooser->Text4->text(), lowered("hintergrund/Urlaub Ägypten/Strand.JPG"));
    EXPECT_EQ(previewSize(), QSize(12, 8));

    chooser->Command8->click();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, app.file("hintergrund/Urlaub Ägypten/Strand.JPG"));
    EXPECT_EQ(Image1(*haupt)->pixmap().size(), QSize(12, 8));
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
