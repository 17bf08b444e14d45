// The background picture chooser Frame6, a panel of the main window: drive, folder and file
// lists, the path box, a preview, and the two buttons that take or drop the choice.
#pragma once

#include <QGroupBox>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace vondrik {

struct Platform;

// Whether the chooser previews a file: the last three characters are "jpg", "bmp" or "gif".
bool isPreviewPicture(const QString& lowerCasePath);

class PictureChooser : public QGroupBox {
    Q_OBJECT
  public:
    PictureChooser(Platform& platform, QWidget* parent);

    // Menu item higru: shows the panel on the current picture and the picture folder.
    void open(const QString& currentPicture);

    // The folder whose files File1 lists.
    QString folder() const { return folder_; }

  signals:
    // A picture was taken as the new background.
    void pictureChosen(const QString& path, const QPixmap& picture);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildControls();
    void fillDrives();
    void selectDrive(const QString& root);
    void onDriveChanged();
    void showFolder(const QString& path);
    void onFolderChosen(const QModelIndex& index);
    void onFileChosen(const QModelIndex& index);
    void showPreview(const QString& path);
    void takePicture();

    Platform& platform_;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    QString folder_;
    bool settingUp_ = false;      // opening sets drive and folder without touching Text4
    bool revealPending_ = false;  // the chosen folder still has to be scrolled into view

    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
};

}  // namespace vondrik
