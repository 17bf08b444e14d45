// The platform of the running program: real boxes, sounds, printer and network.
#pragma once

#include "ui/app_folder.h"
#include "ui/platform.h"
#include "ui/qt_common_dialogs.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_http_getter.h"
#include "ui/qt_printer.h"
#include "ui/qt_sound_player.h"
#include "ui/qt_url_opener.h"

namespace vondrik {

// Owns the real services; needs a QApplication for its whole life.
class RealPlatform {
  public:
    explicit RealPlatform(const AppFolder& folder);
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    Platform& platform() { return platform_; }

  private:
    AppFolder folder_;
    SystemClock clock_;
    SeededRandom random_{clock_};
    QtMessageBox messageBox_;
    QtInputBox inputBox_;
    QtBeeper beeper_;
    QtSoundPlayer sound_;
    QtPrinter printer_{messageBox_, clock_, folder_};
    QtHttpGetter http_;
    QtCommonDialogs commonDialogs_;
    QtUrlOpener urlOpener_;
    Platform platform_{messageBox_, inputBox_, beeper_, sound_,         printer_,  clock_,
                       random_,     http_,     folder_, commonDialogs_, urlOpener_};
};

}  // namespace vondrik
