// Cuts a stretch of music and crossfades its end into its start so that it loops seamlessly.
#pragma once

#include "ogg_io.h"

// Takes length seconds from start (length 0: to the end of the track) and blends the fade
// seconds that follow the stretch into its beginning with equal power. The result, played in a
// loop, has no seam. Music at 44.1 or 48 kHz is halved in rate for the game's 22050 Hz mixer.
bool MakeLoop(const PCM& source, double start, double length, double fade, PCM& loop,
              std::string& error);
