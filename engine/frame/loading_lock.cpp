// Storage of LoadLock; constructed before main, never destroyed before the process ends.
#include "engine/frame/loading_lock.h"

platform::Lock LoadLock;
