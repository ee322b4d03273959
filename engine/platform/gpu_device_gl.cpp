// The GPU device on OpenGL 3.3 core through libepoxy.
#include "engine/platform/gpu_device.h"

namespace platform {

std::unique_ptr<GpuDevice> GpuDevice::Create(void*) {
    return nullptr;
}

}  // namespace platform
