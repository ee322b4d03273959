// WRENDER's textures: creation, image loads, locking, release, and the upload to the GPU.
#include <algorithm>
#include <atomic>
#include <string>

#include "engine/platform/image_decoder.h"
#include "engine/platform/regular_file.h"
#include "engine/render/deferred_gpu_device.h"
#include "engine/render/image_info.h"
#include "engine/render/render_device.h"

uint64_t NewTextureIdentity() {
    // Textures are made on the loading thread as well as on the main one.
    static std::atomic<uint64_t> last{0};
    return ++last;
}

WTEXTURE* WRENDER::CreateTexture(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxTextureSize || height > kMaxTextureSize) {
        return nullptr;
    }
    auto* t = new WTEXTURE;
    t->width = width;
    t->height = height;
    t->texels.assign(size_t(width) * size_t(height), 0);
    image_width_ = width;
    image_height_ = height;
    return t;
}

WTEXTURE* WRENDER::CreateTextureOver(int width, int height, uint32_t* texels) {
    if (width < 1 || height < 1 || width > kMaxTextureSize || height > kMaxTextureSize ||
        texels == nullptr) {
        return nullptr;
    }
    auto* t = new WTEXTURE;
    t->width = width;
    t->height = height;
    t->held_texels = texels;
    image_width_ = width;
    image_height_ = height;
    return t;
}

WTEXTURE* WRENDER::LoadTextureFile(const std::string& path, int box_width, int box_height) {
    std::string bytes;
    if (!platform::ReadRegularFile(path, platform::kMaxImageFileBytes, bytes)) {
        return &default_texture_;
    }
    return LoadTextureBytes(bytes.data(), bytes.size(), false, box_width, box_height);
}

WTEXTURE* WRENDER::LoadTextureFromMemory(const void* bytes, size_t size) {
    return LoadTextureBytes(bytes, size, false);
}

WTEXTURE* WRENDER::LoadTextureBytes(const void* bytes, size_t size, bool size_from_header,
                                    int box_width, int box_height) {
    int width = 0;
    int height = 0;
    if (!ReadImageInfo(bytes, size, width, height)) {
        return &default_texture_;
    }
    if (size_from_header) {
        image_width_ = width;
        image_height_ = height;
    }
    // The header is checked first so a hostile size never reaches the decoder.
    if (width > kMaxTextureSize || height > kMaxTextureSize) {
        return &default_texture_;
    }
    std::vector<uint32_t> texels;
    if (!platform::DecodeImageMemory(bytes, size, box_width, box_height, width, height, texels)) {
        return &default_texture_;
    }
    auto* t = new WTEXTURE;
    t->width = width;
    t->height = height;
    t->texels = std::move(texels);
    // Art read from a file is only ever drawn: once on the GPU, its texels would only take
    // memory. A caller that reads them (a picture to be cut) keeps them.
    t->drop_after_upload = true;
    image_width_ = width;
    image_height_ = height;
    return t;
}

int WRENDER::GetTextureWidth(const WTEXTURE* t) const {
    return t != nullptr ? t->width : -1;
}

int WRENDER::GetTextureHeight(const WTEXTURE* t) const {
    return t != nullptr ? t->height : -1;
}

void WRENDER::GetTextureSize(const WTEXTURE* t, int& width, int& height) const {
    width = GetTextureWidth(t);
    height = GetTextureHeight(t);
}

int WRENDER::ReleaseTexture(WTEXTURE* t) {
    if (t == nullptr || t == &default_texture_ || t->render_target) {
        return -1;
    }
    if (t->gpu_handle != 0) {
        std::lock_guard<std::mutex> hold(released_lock_);
        released_handles_.push_back(t->gpu_handle);
    }
    delete t;
    return 0;
}

uint32_t* WRENDER::LockTexture(WTEXTURE* t) {
    if (t == nullptr || t->render_target) {
        return nullptr;
    }
    image_width_ = t->width;
    image_height_ = t->height;
    return t->Texels();
}

void WRENDER::UnlockTexture(WTEXTURE* t) {
    if (t != nullptr) {
        t->MarkChanged();
    }
}

void WRENDER::BindTexture(WTEXTURE* t) {
    if (t == nullptr) {
        gpu_->BindNoTexture();
        return;
    }
    if (t == &layer_texture_) {
        gpu_->BindLayerTexture();
        return;
    }
    if (t->render_target) {
        gpu_->BindSceneTexture();
        return;
    }
    // A texture whose texels were dropped keeps its GPU copy: there is nothing newer to send.
    if ((t->dirty || t->gpu_handle == 0) && t->Texels() != nullptr) {
        t->gpu_handle = gpu_->UploadTexture(t->gpu_handle, t->width, t->height, t->Texels());
        t->dirty = false;
        if (t->drop_after_upload) {
            std::vector<uint32_t>().swap(t->texels);
            t->held_texels = nullptr;
        }
    }
    gpu_->BindTexture(t->gpu_handle);
}

void WRENDER::DeleteReleasedTextures() {
    std::vector<unsigned int> handles;
    {
        std::lock_guard<std::mutex> hold(released_lock_);
        handles.swap(released_handles_);
    }
    for (unsigned int handle : handles) {
        gpu_->DeleteTexture(handle);
    }
}

void FillTexture(uint32_t colour, WTEXTURE* t) {
    if (t == nullptr || t->render_target) {
        return;
    }
    if (uint32_t* texels = t->Texels()) {
        std::fill(texels, texels + size_t(t->width) * size_t(t->height), colour);
        t->MarkChanged();
    }
}
