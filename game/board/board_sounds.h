// The sounds the board plays, by their position in the registry's sound section (g_sounds).
#pragma once

namespace GAME {

enum BOARD_SOUND {
    kSoundButtonPress = 3,
    kSoundClosePocket = 4,
    kSoundConnectionHigh = 6,
    kSoundConnectionMed = 7,
    kSoundConnectionLow = 8,
    kSoundPickup = 9,
    kSoundPut = 10,
    kSoundRotation = 11,
    kSoundRotationWrong = 12,
    kSoundMenuMusic = 13,  // "game_01"
    kSoundGameMusic = 14,  // "game_02"
    kSoundLevelWin = 17,
    kSoundToolsHint = 20,
    kSoundToolsSort = 21,
    kSoundUsePocket = 22,
    kSoundToolsOn = 25,
    kSoundToolsOff = 26,
};

}  // namespace GAME
