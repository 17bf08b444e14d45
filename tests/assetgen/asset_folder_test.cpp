// Writing the whole set into an application folder: every file the build declares appears,
// nothing else does, runs repeat byte for byte, and a blocked folder fails cleanly.
#include <gtest/gtest.h>

#include "assetgen/assets.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace vondrik::assetgen {
namespace {

QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(root).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

std::map<QString, QByteArray> digests(const QString& root) {
    std::map<QString, QByteArray> result;
    for (const QString& file : filesBelow(root)) {
        QFile f(QDir(root).filePath(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        result[file] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return result;
}

TEST(AssetFolder, WritesExactlyTheFilesTheBuildDeclares) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;
    ASSERT_TRUE(writeAllAssets(folder.path(), &error)) << error.toStdString();

    QStringList declared = QString(VONDRIK_DECLARED_ASSETS).split(u',');
    declared.sort();
    EXPECT_EQ(filesBelow(folder.path()), declared);
    QStringList listed = generatedFiles();
    listed.sort();
    EXPECT_EQ(listed, declared);
}

TEST(AssetFolder, RepeatedRunsGiveIdenticalFiles) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(writeAllAssets(first.path()));
    ASSERT_TRUE(writeAllAssets(second.path()));
    // Also over an existing set, as an incremental build does.
    ASSERT_TRUE(writeAllAssets(second.path()));
    const auto a = digests(first.path());
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, digests(second.path()));
}

TEST(AssetFolder, BlockedSoundFolderFailsWithAGermanMessageNamingIt) {
    QTemporaryDir folder;
    QFile blocker(QDir(folder.path()).filePath("ton"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString error;
    EXPECT_FALSE(writeAllAssets(folder.path(), &error));
    EXPECT_TRUE(error.contains("ton")) << error.toStdString();
    EXPECT_TRUE(error.contains("Ordner")) << error.toStdString();
}

TEST(AssetFolder, UnwritableFileLeavesNoHalfWrittenFilesBehind) {
    QTemporaryDir folder;
    // A folder where a sound should go makes that one file impossible to write.
    ASSERT_TRUE(QDir(folder.path()).mkpath("ton/alarm.wav"));

    QString error;
    EXPECT_FALSE(writeSounds(folder.path(), &error));
    EXPECT_TRUE(error.contains("alarm.wav")) << error.toStdString();
    // Sounds written before the failing one may stay; temporary files may not.
    const QStringList known = generatedFiles();
    for (const QString& file : filesBelow(folder.path())) {
        EXPECT_TRUE(known.contains(file)) << file.toStdString();
    }
}

}  // namespace
}  // namespace vondrik::assetgen
