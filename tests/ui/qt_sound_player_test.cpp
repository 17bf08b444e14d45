// The real sound player: missing files play nothing, existing ones start.
#include "ui/qt_sound_player.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

namespace vondrik {
namespace {

// A tenth of a second of silence as 8 kHz, 8-bit mono PCM.
bool writeSilentWav(const QString& path) {
    const quint32 samples = 800;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    out.writeRawData(QByteArray(samples, '\x80').constData(), samples);
    return out.status() == QDataStream::Ok;
}

TEST(QtSoundPlayer, MissingFilePlaysNothingExistingFileStarts) {
    QTemporaryDir dir;
    const QString wav = dir.filePath("glocke.wav");
    ASSERT_TRUE(writeSilentWav(wav));
    QtSoundPlayer player;

    EXPECT_FALSE(player.play(dir.filePath("fehlt.wav")));
    EXPECT_FALSE(player.play(dir.path()));  // a folder is no sound
    EXPECT_TRUE(player.play(wav));
    EXPECT_TRUE(player.play(wav, true));
    player.stop();
    player.stop();
}

}  // namespace
}  // namespace vondrik
