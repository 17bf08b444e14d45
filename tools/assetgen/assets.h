// Writes every generated sound and picture into an application folder.
#pragma once

#include <QString>
#include <QStringList>

namespace vondrik::assetgen {

// Paths of all generated files, relative to the application folder ("ton/glocke.wav", ...).
QStringList generatedFiles();

// Create ton/ and hintergrund/ as needed; writeAllAssets() also lays the clock pictures
// into daten/ (clock_pictures.h). On failure `error` names the file and the reason.
bool writeSounds(const QString& appFolder, QString* error = nullptr);
bool writePictures(const QString& appFolder, QString* error = nullptr);
bool writeAllAssets(const QString& appFolder, QString* error = nullptr);

}  // namespace vondrik::assetgen
