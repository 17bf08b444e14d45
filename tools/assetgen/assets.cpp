// Lays the generated sounds and pictures out in the application folder's ton/ and hintergrund/.
#include "assetgen/assets.h"

#include "assetgen/clock_pictures.h"
#include "assetgen/pictures.h"
#include "assetgen/sounds.h"
#include "assetgen/wav_writer.h"

#include <QDir>

namespace vondrik::assetgen {

namespace {

const QString kSoundFolder = QStringLiteral("ton");
const QString kPictureFolder = QStringLiteral("hintergrund");

bool makeFolder(const QString& appFolder, const QString& name, QString* error) {
    const QString path = QDir(appFolder).filePath(name);
    if (QDir().mkpath(path)) {
        return true;
    }
    if (error) {
        *error = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(path);
    }
    return false;
}

}  // namespace

QStringList generatedFiles() {
    QStringList files;
    for (const SoundAsset& sound : soundAssets()) {
        files << kSoundFolder + u'/' + QLatin1String(sound.fileName);
    }
    for (const PictureAsset& picture : pictureAssets()) {
        files << kPictureFolder + u'/' + QLatin1String(picture.fileName);
    }
    for (int frame = 0; frame < kClockFrameCount; ++frame) {
        files << clockPictureFile(frame);
    }
    return files;
}

bool writeSounds(const QString& appFolder, QString* error) {
    if (!makeFolder(appFolder, kSoundFolder, error)) {
        return false;
    }
    const QDir folder(QDir(appFolder).filePath(kSoundFolder));
    for (const SoundAsset& sound : soundAssets()) {
        if (!writeWav(folder.filePath(QLatin1String(sound.fileName)), sound.make(), kSampleRate,
                      error)) {
            return false;
        }
    }
    return true;
}

bool writePictures(const QString& appFolder, QString* error) {
    if (!makeFolder(appFolder, kPictureFolder, error)) {
        return false;
    }
    const QDir folder(QDir(appFolder).filePath(kPictureFolder));
    for (const PictureAsset& picture : pictureAssets()) {
        if (!writeJpeg(picture.paint(picture.size),
                       folder.filePath(QLatin1String(picture.fileName)), error)) {
            return false;
        }
    }
    return true;
}

bool writeAllAssets(const QString& appFolder, QString* error) {
    return writeSounds(appFolder, error) && writePictures(appFolder, error) &&
           writeClockPictures(appFolder, error);
}

}  // namespace vondrik::assetgen
