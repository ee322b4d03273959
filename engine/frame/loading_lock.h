// LoadLock: the one lock between the loading thread and the main loop's loading-phase frames.
#pragma once

#include "engine/platform/platform.h"

// Held by the main thread for each whole loading-phase frame, and by the loading thread around
// every object it creates and every progress value it writes.
extern platform::Lock LoadLock;
