// Everything a window needs from the desktop, handed to each window when it is built.
#pragma once

#include "ui/app_folder.h"
#include "ui/clock.h"
#include "ui/common_dialogs.h"
#include "ui/dialogs.h"
#include "ui/http_getter.h"
#include "ui/printer.h"
#include "ui/random_source.h"
#include "ui/sound_player.h"
#include "ui/url_opener.h"

namespace vondrik {

struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    Beeper& beeper;
    SoundPlayer& sound;
    Printer& printer;
    const Clock& clock;
    RandomSource& random;
    HttpGetter& http;
    const AppFolder& appFolder;
    CommonDialogs& commonDialogs;
    UrlOpener& urlOpener;
};

}  // namespace vondrik
