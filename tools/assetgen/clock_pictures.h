// The ringing alarm clock of the main window: five frames of a twin-bell alarm clock that
// shakes, with its hammer striking left and right and its hands moving on.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vondrik::assetgen {

inline constexpr int kClockFrameCount = 5;
inline constexpr QSize kClockPictureSize(153, 171);

// Frame 0 to 4 on a transparent background.
QImage paintAlarmClock(QSize size, int frame);

// "daten/wecker0.png" .. "daten/wecker4.png", relative to the application folder.
QString clockPictureFile(int frame);

// Writes the five frames as PNG files through temporary files.
bool writeClockPictures(const QString& appFolder, QString* error = nullptr);

}  // namespace vondrik::assetgen
