// 16-bit PCM WAV encoding: a RIFF header with one "fmt " and one "data" chunk.
#include "assetgen/wav_writer.h"

#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vondrik::assetgen {

namespace {

void appendLe16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void appendLe32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((v >> shift) & 0xff));
    }
}

}  // namespace

QByteArray encodeWav(const std::vector<double>& samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    appendLe32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    appendLe32(out, 16);
    appendLe16(out, 1);  // PCM
    appendLe16(out, kChannels);
    appendLe32(out, static_cast<std::uint32_t>(sampleRate));
    appendLe32(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign);
    appendLe16(out, kBlockAlign);
    appendLe16(out, kBitsPerSample);
    out.append("data");
    appendLe32(out, dataBytes);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        appendLe16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

bool writeWav(const QString& path, const std::vector<double>& samples, int sampleRate,
              QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) {
            *error = QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2")
                         .arg(path, file.errorString());
        }
        return false;
    }
    file.write(encodeWav(samples, sampleRate));
    if (!file.commit()) {
        if (error) {
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                         .arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

}  // namespace vondrik::assetgen
