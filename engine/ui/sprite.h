// WSPRITE: a textured quad with position, rotation, scale, anchor, colour, blend mode and layer.
#pragma once

#include <cstdint>

#include "engine/render/render_device.h"
#include "engine/ui/object_tree.h"

// The base of every widget and the glyph primitive of the bitmap fonts. A sprite owns its
// texture and releases it when destroyed; hand the handle elsewhere with SetTexture(nullptr).
//
// The quad's corners hold the unscaled size (corner 0 stays at 0, 0) and the texture
// coordinates; quad.depth is the layer 0..100 (clamped when drawn, drawn at layer / 100),
// which owners write directly.
class WSPRITE : public WST::STO {
  public:
    // Anchor modes of SetAnchor.
    enum Anchor {
        kAnchorCentre = 0,
        kAnchorTopLeft = 1,
        kAnchorTopRight = 2,
        kAnchorBottomLeft = 3,
        kAnchorBottomRight = 4,
        kAnchorTopCentre = 5,
        kAnchorMiddleLeft = 7,
        kAnchorMiddleRight = 8,
    };

    // No texture and an empty quad: the derived class fills them in.
    WSPRITE();
    // Loads the image from the current pack; with no pack selected, from LooseFolder + "/" +
    // name, or from name itself when full_path is set. A null name reads as empty.
    explicit WSPRITE(const char* name, bool full_path = false);
    // Takes ownership of texture. Texture coordinates run to 0.99 so that the last texel row
    // and column do not bleed from the opposite edge.
    explicit WSPRITE(WTEXTURE* texture);
    ~WSPRITE() override;
    WSPRITE(const WSPRITE&) = delete;
    WSPRITE& operator=(const WSPRITE&) = delete;

    int Update(int flag, float step) override;
    // At the sprite's position, with its scale, rotation and centre. Returns 0.
    int Draw(int flag) override;

    // At (x, y) with the sprite's own scale, rotation and centre. Returns 0.
    int DrawAt(float x, float y);
    // At (x, y) rotated by angle (radians) with the sprite's own scale and centre. Returns 1.
    int DrawRotated(float x, float y, float angle);

    void SetPosition(int x, int y);
    // The quad's size in unscaled pixels; texture coordinates are kept.
    void SetSize(int width, int height);
    void SetUV(float left, float top, float right, float bottom);
    // Texture coordinates from 0 to quad size / image size: a smaller quad crops the image, a
    // larger one repeats it at its natural size (textures are addressed with wrapping).
    void FitUVToImage();
    // Pulls coordinates that are exactly 0 or 1 half a percent inwards, so that wrapping never
    // samples the opposite edge.
    void InsetUV();
    // The centre from the quad size (halves truncated). Modes 6 and above 8 change nothing.
    void SetAnchor(int mode);
    // The point of the quad (unscaled pixels from its top-left) that lands on the position and
    // that rotation and scaling turn about.
    void SetCentre(int cx, int cy);
    int GetCentreX() const { return cx_; }
    int GetCentreY() const { return cy_; }

    // Draws only the part of the quad over the texture's texels left .. right - 1 and
    // top .. bottom - 1 (and what smooth filtering takes in around them); the rest must show
    // nothing, as the transparent margins of a piece do not. Anchor, scale and rotation stay
    // those of the whole quad. Texture coordinates run along the quad's axes.
    void ShowOnlyTexels(int left, int top, int right, int bottom);
    // ShowOnlyTexels over the tight rectangle of the texels whose alpha is not 0, found while
    // the texels are in memory and kept for later calls. A texture with none shows whole.
    void ShowOnlyOpaqueTexels();
    // The whole quad is drawn again.
    void ShowAllTexels() { shown_texels_ = {}; }

    WTEXTURE* GetTexture() const { return quad.texture; }
    // Replaces the handle without releasing the old one.
    void SetTexture(WTEXTURE* texture) { quad.texture = texture; }
    // Releases the texture through the device (if any) and clears the handle.
    void ReleaseTexture();

    void SetBlend(int mode) { quad.blend = mode; }
    uint32_t GetColour() const { return quad.colour; }
    void SetColour(uint32_t argb) { quad.colour = argb; }

    // The image's pixel size, as loaded.
    int GetWidth() const { return image_width_; }
    int GetHeight() const { return image_height_; }
    // The quad's unscaled size.
    float QuadWidth() const { return quad.corners[3].x - quad.corners[0].x; }
    float QuadHeight() const { return quad.corners[1].y - quad.corners[0].y; }

    WRENDER* device = nullptr;
    WQUAD quad;

  protected:
    // Position 0, 0, rotation 0, scale 1; the quad spans the image with u, v from 0 to uv_max.
    void InitFromImage(int width, int height, float uv_max);
    // Every draw: the whole quad, or the part over the texels shown.
    void DrawQuadAt(float x, float y, float angle);

    int cx_ = 0;
    int cy_ = 0;
    int image_width_ = 0;
    int image_height_ = 0;

  private:
    struct TEXEL_RECT {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool Empty() const { return right <= left || bottom <= top; }
    };
    TEXEL_RECT shown_texels_;   // empty: all
    TEXEL_RECT opaque_texels_;  // as last found by ShowOnlyOpaqueTexels
};
