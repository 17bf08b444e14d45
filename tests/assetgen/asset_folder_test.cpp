// Writing the whole set of generated assets into an application folder.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <map>

#include "assetgen/assets.h"

namespace vondrik::assetgen {
namespace {

// Relative path of every file below the folder with the hash of its contents.
std::map<QString, QByteArray> filesBelow(const QString& root) {
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files[QDir(root).relativeFilePath(f.fileName())] =
            QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return files;
}

QStringList names(const std::map<QString, QByteArray>& files) {
    QStringList list;
    for (const auto& [name, hash] : files) {
        list << name;
    }
    return list;
}

TEST(AssetFolder, WritesExactlyTheDeclaredFilesWithTheSameBytesEveryRun) {
    QTemporaryDir first;
    QTemporaryDir second;
    QString error;
    ASSERT_TRUE(writeAllAssets(first.path(), &error)) << error.toStdString();
    ASSERT_TRUE(writeAllAssets(second.path()));
    // Also over an existing set, as an incremental build does.
    ASSERT_TRUE(writeAllAssets(second.path()));

    QStringList declared = QString(VONDRIK_DECLARED_ASSETS).split(u',');
    declared.sort();
    const auto written = filesBelow(first.path());
    EXPECT_EQ(names(written), declared);
    QStringList listed = generatedFiles();
    listed.sort();
    EXPECT_EQ(listed, declared);
    EXPECT_EQ(written, filesBelow(second.path()));
}

TEST(AssetFolder, FailuresNameTheirPlaceAndLeaveNoHalfWrittenFiles) {
    QTemporaryDir blocked;
    QFile blocker(QDir(blocked.path()).filePath("ton"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(writeAllAssets(blocked.path(), &error));
    EXPECT_TRUE(error.contains("ton") && error.contains("Ordner")) << error.toStdString();

    // A folder where a sound should go makes that one file impossible to write.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("ton/alarm.wav"));
    EXPECT_FALSE(writeSounds(folder.path(), &error));
    EXPECT_TRUE(error.contains("alarm.wav")) << error.toStdString();
    // Sounds written before the failing one may stay; temporary files may not.
    const QStringList known = generatedFiles();
    for (const QString& file : names(filesBelow(folder.path()))) {
        EXPECT_TRUE(known.contains(file)) << file.toStdString();
    }
}

}  // namespace
}  // namespace vondrik::assetgen
