// The program's sound effects, each built from the synthesis primitives.
#pragma once

#include "assetgen/synth.h"

#include <span>

namespace vondrik::assetgen {

Signal makeBell();            // glocke.wav: a search found something
Signal makeDisappointment();  // oooch.wav: a search found nothing
Signal makeAlarmRing();       // alarm.wav: the alarm clock goes off
Signal makeSmallBell();       // glocke1.wav
Signal makeKeyClick();        // 1.wav: one typed letter
Signal makeCorrectChime();    // 8.wav
Signal makeWrongThud();       // 11.wav
Signal makeFanfare();         // 12.wav

struct SoundAsset {
    const char* fileName;  // below ton/
    Signal (*make)();
};

std::span<const SoundAsset> soundAssets();

}  // namespace vondrik::assetgen
