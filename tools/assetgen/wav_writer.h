// Encodes mono sample buffers as 16-bit PCM WAV files.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace vondrik::assetgen {

// Samples run from -1.0 to 1.0; values outside are clamped rather than wrapped.
QByteArray encodeWav(const std::vector<double>& samples, int sampleRate);

// Writes through a temporary file, so a failed run never leaves a truncated sound behind.
bool writeWav(const QString& path, const std::vector<double>& samples, int sampleRate,
              QString* error);

}  // namespace vondrik::assetgen
