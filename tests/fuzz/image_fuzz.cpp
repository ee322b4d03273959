// Fuzz target: a PNG or JPEG image from memory, as every texture load reads one.
#include <cstdint>

#include "engine/render/render_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static WRENDER* const render = new WRENDER;
    WTEXTURE* texture = render->LoadTextureBytes(data, size, true);
    render->ReleaseTexture(texture);
    return 0;
}
