// The picture chooser: the drive list holds the roots of the mounted file systems, the
// folder tree and the file list follow it, and a click on a file puts its path, in lower
// case, into the path box. Taking a path traces it back to the file's real spelling.
#include "shell/picture_chooser.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>

#include "shell/case_insensitive_path.h"
#include "ui/platform.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

QString driveOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    return root.isEmpty() ? QDir::rootPath() : root;
}

}  // namespace

bool isPreviewPicture(const QString& lowerCasePath) {
    const QString tail = lowerCasePath.right(3);
    return tail == u"jpg" || tail == u"bmp" || tail == u"gif";
}

PictureChooser::PictureChooser(Platform& platform, QWidget* parent)
    : QGroupBox(parent), platform_(platform) {
    setObjectName(QStringLiteral("Frame6"));
    setGeometry(170, 30, 660, 390);
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void PictureChooser::buildControls() {
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(12, 14, 250, 26);
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { onDriveChanged(); });

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(folders_);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->setGeometry(12, 46, 250, 250);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onFolderChosen(current); });
    // The folders load and sort themselves in the background, moving the chosen one; it is
    // kept in view until the user takes the folder list in hand.
    const auto reveal = [this] {
        if (revealPending_) {
            Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
        }
    };
    connect(folders_, &QFileSystemModel::directoryLoaded, this, reveal);
    connect(folders_, &QAbstractItemModel::layoutChanged, this, reveal);
    connect(folders_, &QAbstractItemModel::rowsInserted, this, reveal);
    Dir1->viewport()->installEventFilter(this);
    Dir1->verticalScrollBar()->installEventFilter(this);

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    File1 = new QListView(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setModel(files_);
    File1->setGeometry(272, 14, 200, 282);
    connect(File1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onFileChosen(current); });
    connect(File1, &QListView::clicked, this, [this](const QModelIndex& i) { onFileChosen(i); });

    Label9 = new QLabel(QStringLiteral("Vorschau"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(482, 14, 166, 20);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFrameShape(QFrame::StyledPanel);
    Image2->setScaledContents(true);
    Image2->setGeometry(482, 38, 166, 125);

    Text4 = new QLineEdit(this);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setGeometry(12, 306, 636, 26);

    Command8 = new QPushButton(QStringLiteral("Das möchte ich haben"), this);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setGeometry(12, 342, 310, 36);
    connect(Command8, &QPushButton::clicked, this, [this] { takePicture(); });
    Command9 = new QPushButton(QStringLiteral("abbrechen"), this);
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setGeometry(338, 342, 310, 36);
    connect(Command9, &QPushButton::clicked, this, &QWidget::hide);
}

bool PictureChooser::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress) {
        revealPending_ = false;
    }
    return QGroupBox::eventFilter(watched, event);
}

void PictureChooser::hideEvent(QHideEvent* event) {
    revealPending_ = false;
    QGroupBox::hideEvent(event);
}

void PictureChooser::fillDrives() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives()) {
        roots.append(drive.absoluteFilePath());
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Real disks only; the many pseudo file systems of a Unix system are no drives.
        if (volume.isValid() && volume.isReady() && volume.device().startsWith("/dev/")) {
            roots.append(volume.rootPath());
        }
    }
    roots.append(driveOf(platform_.appFolder.root()));
    roots.removeDuplicates();
    roots.sort();
    const QSignalBlocker quiet(Drive1);
    const QString shown = Drive1->currentText();
    Drive1->clear();
    Drive1->addItems(roots);
    Drive1->setCurrentIndex(std::max<qsizetype>(0, roots.indexOf(shown)));
}

void PictureChooser::selectDrive(const QString& root) {
    const int index = Drive1->findText(root);
    if (index < 0) {
        return;
    }
    if (index != Drive1->currentIndex()) {
        Drive1->setCurrentIndex(index);  // runs onDriveChanged
    } else {
        onDriveChanged();
    }
}

void PictureChooser::onDriveChanged() {
    const QString root = Drive1->currentText();
    if (root.isEmpty()) {
        return;
    }
    folders_->setRootPath(root);
    Dir1->setRootIndex(folders_->index(root));
    Dir1->setCurrentIndex(QModelIndex());
    showFolder(root);
    if (!settingUp_) {
        Text4->setText(QDir::toNativeSeparators(root));
    }
}

void PictureChooser::showFolder(const QString& path) {
    folder_ = path;
    files_->setRootPath(path);
    File1->setRootIndex(files_->index(path));
}

void PictureChooser::onFolderChosen(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const QString path = folders_->filePath(index);
    showFolder(path);
    if (!settingUp_) {
        Text4->setText(QDir::toNativeSeparators(path));
    }
}

void PictureChooser::onFileChosen(const QModelIndex& index) {
    if (!index.isValid() || settingUp_) {
        return;
    }
    const QString path = QDir(folder_).filePath(files_->fileName(index)).toLower();
    Text4->setText(QDir::toNativeSeparators(path));
    if (isPreviewPicture(path)) {
        showPreview(existingPathIgnoringCase(path));
    }
}

void PictureChooser::showPreview(const QString& path) {
    QPixmap picture;
    if (picture.load(path)) {
        Image2->setPixmap(picture);
    } else {
        Image2->clear();
    }
}

void PictureChooser::open(const QString& currentPicture) {
    const AppFolder& folder = platform_.appFolder;
    const QString pictures = folder.appPath(u"\\hintergrund");
    settingUp_ = true;
    fillDrives();
    selectDrive(driveOf(pictures));
    const QModelIndex index = folders_->index(pictures);
    Dir1->setCurrentIndex(index);  // runs onFolderChosen
    Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    revealPending_ = true;
    settingUp_ = false;

    Text4->setText(QDir::toNativeSeparators(currentPicture));
    Image2->clear();
    if (FileExists(currentPicture)) {
        showPreview(currentPicture);
    }
    show();
    raise();
    Text4->setFocus();
}

void PictureChooser::takePicture() {
    const QString path =
        existingPathIgnoringCase(QDir::fromNativeSeparators(Text4->text().trimmed()));
    QPixmap picture;
    if (!FileExists(path) || !picture.load(path)) {
        platform_.messageBox.show(
            QStringLiteral("„%1“ ist kein Bild, das als Hintergrund geladen werden kann. Bitte "
                           "wählen Sie eine Bilddatei aus (jpg, bmp oder gif).")
                .arg(Text4->text()),
            QStringLiteral("Hintergrundbild"), MessageIcon::Exclamation);
        return;
    }
    emit pictureChosen(path, picture);
    hide();
}

}  // namespace vondrik
