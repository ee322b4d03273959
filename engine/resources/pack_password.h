// The one program-wide password that pack members are encrypted with.
#pragma once

inline constexpr char kPackPassword[] = "MosaicKeyQuartz";
