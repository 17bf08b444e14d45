// The background picture chooser Frame6: folders, the lower-cased path of a clicked file and
// its preview, and taking or dropping the choice.
#include "shell/picture_chooser.h"

#include <QAction>
#include <QFileSystemModel>
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
        saveImage("hintergrund/Urlaub Ägypten/Strand.JPG", QSize(12, 8));
        writeBytes(app.file("hintergrund/Notiz.txt"), "");
        HauptTest::SetUp();
        chooser = control<PictureChooser>(*haupt, "Frame6");
        haupt->menuAction("higru")->trigger();
        ASSERT_TRUE(chooser->isVisible());
    }
    void saveImage(const QString& relative, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        QDir().mkpath(QFileInfo(app.file(relative)).path());
        ASSERT_TRUE(image.save(app.file(relative)));
    }
    // Clicks a file of File1 once the list has loaded its folder.
    void clickFile(const QString& name) {
        auto* files = child<QListView>(chooser, "File1");
        auto* model = static_cast<QFileSystemModel*>(files->model());
        QModelIndex index;
        QTRY_VERIFY((index = model->index(QDir(chooser->folder()).filePath(name))).isValid() &&
                    model->rowCount(files->rootIndex()) > 0);
        files->scrollTo(index);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(index).center());
        ASSERT_EQ(files->currentIndex(), index) << name.toStdString();
    }
    QString path() const { return child<QLineEdit>(chooser, "Text4")->text(); }
    QString lowered(const QString& relative) const {
        return QDir::toNativeSeparators(app.file(relative).toLower());
    }
    QSize previewSize() const { return child<QLabel>(chooser, "Image2")->pixmap().size(); }
    void click(const char* button) const { child<QPushButton>(chooser, button)->click(); }

    PictureChooser* chooser = nullptr;
};

TEST_F(PictureChooserTest, ClickedFilesGoLowerCasedIntoThePathBoxAndOkTracesThemToTheFile) {
    const QString before = haupt->preferences().picture;
    EXPECT_EQ(path(), QDir::toNativeSeparators(before));
    clickFile("SOMMER.BMP");
    EXPECT_EQ(path(), lowered("hintergrund/SOMMER.BMP"));
    EXPECT_EQ(previewSize(), QSize(40, 30));
    // Only jpg, bmp and gif are previewed; other files leave the preview as it was.
    for (const char* other : {"foto.png", "Notiz.txt"}) {
        clickFile(other);
        EXPECT_EQ(path(), lowered(QStringLiteral("hintergrund/") + other));
        EXPECT_EQ(previewSize(), QSize(40, 30));
    }
    // A file that is no picture, or none at all, is refused and the user can choose again.
    click("Command8");
    child<QLineEdit>(chooser, "Text4")->setText("/gibt/es/nicht.jpg");
    click("Command8");
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("ist kein Bild"));
    EXPECT_TRUE(chooser->isVisible());
    click("Command9");  // abbrechen
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, before);

    haupt->menuAction("higru")->trigger();
    auto* folders = child<QTreeView>(chooser, "Dir1");
    const QString holiday = app.file("hintergrund/Urlaub Ägypten");
    folders->setCurrentIndex(static_cast<QFileSystemModel*>(folders->model())->index(holiday));
    EXPECT_EQ(path(), QDir::toNativeSeparators(holiday));
    clickFile("Strand.JPG");
    EXPECT_EQ(path(), lowered("hintergrund/Urlaub Ägypten/Strand.JPG"));
    click("Command8");
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(haupt->preferences().picture, holiday + "/Strand.JPG");
    EXPECT_EQ(Image1(*haupt)->pixmap().size(), QSize(12, 8));
    EXPECT_EQ(fake.messageBox.shown().size(), 2);
}

}  // namespace
}  // namespace vondrik::test
