// Chunk-walking WAV reader and simple measurements on the decoded samples.
#include "wav_reader.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace vondrik::assetgen::testing {

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int le16(const QByteArray& b, qsizetype at) {
    return int(std::uint8_t(b[at])) | int(std::uint8_t(b[at + 1])) << 8;
}

WavFile fail(WavFile wav, const QString& problem) {
    wav.valid = false;
    wav.problem = problem;
    return wav;
}

}  // namespace

WavFile readWav(const QString& path) {
    WavFile wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(wav, "cannot open");
    }
    const QByteArray b = file.readAll();
    wav.fileSize = b.size();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        return fail(wav, "no RIFF/WAVE header");
    }
    wav.riffSize = le32(b, 4);
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = le32(b, at + 4);
        const qsizetype body = at + 8;
        if (body + size > b.size()) {
            return fail(wav, "chunk " + QString::fromLatin1(id) + " runs past the end");
        }
        if (id == "fmt ") {
            if (size < 16) {
                return fail(wav, "fmt chunk too short");
            }
            wav.format = le16(b, body);
            wav.channels = le16(b, body + 2);
            wav.sampleRate = int(le32(b, body + 4));
            wav.byteRate = int(le32(b, body + 8));
            wav.blockAlign = le16(b, body + 12);
            wav.bitsPerSample = le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wav.bitsPerSample != 16 || size % 2 != 0) {
                return fail(wav, "data chunk not 16-bit or before fmt");
            }
            for (qsizetype i = body; i < body + size; i += 2) {
                wav.samples.push_back(std::int16_t(le16(b, i)));
            }
            wav.valid = true;
        }
        at = body + size + (size % 2);  // chunks are padded to even length
    }
    if (!wav.valid) {
        return fail(wav, "no data chunk");
    }
    return wav;
}

double zeroCrossingRate(const WavFile& wav, double from, double to) {
    const auto first = std::size_t(from * wav.sampleRate);
    const auto last = std::min(wav.samples.size(), std::size_t(to * wav.sampleRate));
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        if ((wav.samples[i - 1] < 0) != (wav.samples[i] < 0)) {
            ++crossings;
        }
    }
    return crossings / (double(last - first) / wav.sampleRate);
}

int countBursts(const WavFile& wav, double threshold) {
    const std::size_t window = std::max(1, wav.sampleRate / 200);
    std::vector<double> levels;
    for (std::size_t start = 0; start + window <= wav.samples.size(); start += window) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            sum += double(wav.samples[i]) * wav.samples[i];
        }
        levels.push_back(std::sqrt(sum / window));
    }
    const double loudest = levels.empty() ? 0.0 : *std::max_element(levels.begin(), levels.end());
    int bursts = 0;
    bool inBurst = false;
    for (double level : levels) {
        const bool loud = level > threshold * loudest;
        if (loud && !inBurst) {
            ++bursts;
        }
        inBurst = loud;
    }
    return bursts;
}

}  // namespace vondrik::assetgen::testing
