// The window backgrounds: quiet, low-contrast pictures that text stays readable on.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <span>

namespace vondrik::assetgen {

// Blue-grey to beige paper with a faint crossword grid (main window, upper area).
QImage paintMainBackground(QSize size);

// Soft teal-green gradient with blurred light discs (guessing game).
QImage paintGameBackground(QSize size);

struct PictureAsset {
    const char* fileName;  // below hintergrund/
    QSize size;
    QImage (*paint)(QSize);
};

std::span<const PictureAsset> pictureAssets();

// Writes through a temporary file, so a failed run never leaves a truncated picture behind.
bool writeJpeg(const QImage& image, const QString& path, QString* error);

}  // namespace vondrik::assetgen
