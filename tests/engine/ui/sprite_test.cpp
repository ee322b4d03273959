// WSPRITE: placement of a draw, anchors, texture coordinates, layers and image loading.
#include "engine/ui/sprite.h"

#include <memory>
#include <vector>

#include "tests/engine/ui/ui_fixture.h"

namespace {

class SpriteTest : public UiTest {};

struct PLACEMENT_CASE {
    const char* what;
    int anchor;
    float sx, sy, rotation;
    COVERED expected;
};

TEST_F(SpriteTest, DrawPlacesTheCentreOnThePositionAndScalesAndTurnsAboutIt) {
    const PLACEMENT_CASE cases[] = {
        {"centre anchor, scale 2", WSPRITE::kAnchorCentre, 2.0f, 2.0f, 0.0f, {300, 250, 500, 350}},
        {"top-left anchor, scale 2",
         WSPRITE::kAnchorTopLeft,
         2.0f,
         2.0f,
         0.0f,
         {400, 300, 600, 400}},
        {"sy 0 takes sx", WSPRITE::kAnchorCentre, 2.0f, 0.0f, 0.0f, {300, 250, 500, 350}},
        {"quarter turn about the centre",
         WSPRITE::kAnchorCentre,
         1.0f,
         1.0f,
         1.5707964f,
         {375, 250, 425, 350}},
        {"bottom-right anchor",
         WSPRITE::kAnchorBottomRight,
         1.0f,
         1.0f,
         0.0f,
         {300, 250, 400, 300}},
    };
    const std::string image = Image(100, 50);
    for (const PLACEMENT_CASE& c : cases) {
        SCOPED_TRACE(c.what);
        WSPRITE sprite(image.c_str());
        sprite.SetAnchor(c.anchor);
        sprite.SetScale(c.sx, c.sy);
        sprite.rotation = c.rotation;
        sprite.SetPosition(400, 300);
        render->ClearRecordedDraws();
        EXPECT_EQ(sprite.Draw(0), 0);
        ASSERT_EQ(Draws().size(), 1u);
        const COVERED got = Covered(Draws()[0]);
        EXPECT_NEAR(got.left, c.expected.left, 1e-3);
        EXPECT_NEAR(got.top, c.expected.top, 1e-3);
        EXPECT_NEAR(got.right, c.expected.right, 1e-3);
        EXPECT_NEAR(got.bottom, c.expected.bottom, 1e-3);
    }
}

TEST_F(SpriteTest, ConstructionFromAnImageSpansItWithFullTextureCoordinates) {
    WSPRITE sprite(Image(100, 50).c_str());
    EXPECT_EQ(sprite.GetWidth(), 100);
    EXPECT_EQ(sprite.GetHeight(), 50);
    EXPECT_EQ(sprite.GetCentreX(), 50);
    EXPECT_EQ(sprite.GetCentreY(), 25);
    EXPECT_EQ(sprite.quad.depth, 50);
    EXPECT_EQ(sprite.quad.blend, 1);
    EXPECT_EQ(sprite.GetColour(), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].x, 100.0f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].y, 50.0f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].u, 1.0f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].v, 1.0f);
    EXPECT_NE(sprite.GetTexture(), render->GetDefaultTexture());
}

TEST_F(SpriteTest, ImagesAreFoundInTheLooseFolderOrByTheirFullPath) {
    const std::string image = Image(12, 7);
    WSPRITE by_full_path(FolderPath(image).c_str(), true);
    EXPECT_NE(by_full_path.GetTexture(), render->GetDefaultTexture());
    EXPECT_EQ(by_full_path.GetWidth(), 12);

    // The full-path flag does not look in the loose folder.
    WSPRITE bare_name_as_path(image.c_str(), true);
    EXPECT_EQ(bare_name_as_path.GetTexture(), render->GetDefaultTexture());

    WSPRITE missing("no_such_image.png");
    EXPECT_EQ(missing.GetTexture(), render->GetDefaultTexture());
    WSPRITE null_name(static_cast<const char*>(nullptr));
    EXPECT_EQ(null_name.GetTexture(), render->GetDefaultTexture());
}

TEST_F(SpriteTest, AnchorModesUseTheQuadSizeWithTruncatedHalves) {
    struct CASE {
        int mode;
        int cx, cy;
    };
    const CASE cases[] = {{0, 50, 25},  {1, 0, 0},  {2, 101, 0}, {3, 0, 51},
                          {4, 101, 51}, {5, 50, 0}, {7, 0, 25},  {8, 101, 25}};
    WSPRITE sprite(Image(101, 51).c_str());
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.mode);
        sprite.SetAnchor(c.mode);
        EXPECT_EQ(sprite.GetCentreX(), c.cx);
        EXPECT_EQ(sprite.GetCentreY(), c.cy);
    }
    sprite.SetCentre(7, 9);
    for (int undefined : {6, 9, -1}) {
        sprite.SetAnchor(undefined);
        EXPECT_EQ(sprite.GetCentreX(), 7);
        EXPECT_EQ(sprite.GetCentreY(), 9);
    }
}

TEST_F(SpriteTest, InsetUvMovesOnlyExactZerosAndOnesInwards) {
    WSPRITE from_image(Image(16, 16).c_str());
    from_image.InsetUV();
    for (const WQUAD_CORNER& corner : from_image.quad.corners) {
        EXPECT_TRUE(corner.u == 0.005f || corner.u == 0.995f) << corner.u;
        EXPECT_TRUE(corner.v == 0.005f || corner.v == 0.995f) << corner.v;
    }

    WTEXTURE* texture = render->CreateTexture(16, 16);
    WSPRITE from_handle(texture);
    EXPECT_FLOAT_EQ(from_handle.quad.corners[2].u, 0.99f);
    from_handle.InsetUV();
    EXPECT_FLOAT_EQ(from_handle.quad.corners[0].u, 0.005f);
    EXPECT_FLOAT_EQ(from_handle.quad.corners[0].v, 0.005f);
    EXPECT_FLOAT_EQ(from_handle.quad.corners[2].u, 0.99f);
    EXPECT_FLOAT_EQ(from_handle.quad.corners[2].v, 0.99f);
    EXPECT_EQ(from_handle.GetWidth(), 16);
}

TEST_F(SpriteTest, FitUvToImageCropsASmallerQuadAndRepeatsALargerOne) {
    WSPRITE sprite(Image(40, 20).c_str());
    sprite.SetSize(100, 30);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].u, 1.0f);  // SetSize keeps the coordinates
    sprite.FitUVToImage();
    EXPECT_FLOAT_EQ(sprite.quad.corners[0].u, 0.0f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].u, 2.5f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[2].v, 1.5f);
    sprite.SetSize(10, 5);
    sprite.FitUVToImage();
    EXPECT_FLOAT_EQ(sprite.quad.corners[3].u, 0.25f);
    EXPECT_FLOAT_EQ(sprite.quad.corners[1].v, 0.25f);
}

TEST_F(SpriteTest, LayersOutsideZeroToHundredAreClampedWhenDrawn) {
    WSPRITE sprite(Image(8, 8).c_str());
    for (auto [layer, drawn] : {std::pair{150, 100}, {-5, 0}, {30, 30}}) {
        sprite.quad.depth = layer;
        render->ClearRecordedDraws();
        sprite.Draw(0);
        ASSERT_EQ(Draws().size(), 1u);
        EXPECT_EQ(Draws()[0].depth, drawn) << layer;
    }
}

TEST_F(SpriteTest, DrawAtAndDrawRotatedUseTheirOwnPlaceAndTheSpritesScale) {
    WSPRITE sprite(Image(10, 10).c_str());
    sprite.SetScale(3.0f, 3.0f);
    sprite.rotation = 1.0f;
    EXPECT_EQ(sprite.DrawAt(50, 60), 0);
    EXPECT_EQ(sprite.DrawRotated(70, 80, 0.5f), 1);
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_FLOAT_EQ(Draws()[0].x, 50.0f);
    EXPECT_FLOAT_EQ(Draws()[0].angle, 1.0f);
    EXPECT_FLOAT_EQ(Draws()[1].y, 80.0f);
    EXPECT_FLOAT_EQ(Draws()[1].angle, 0.5f);
    EXPECT_FLOAT_EQ(Draws()[1].sx, 3.0f);
}

TEST_F(SpriteTest, ReleaseTextureClearsTheHandleOnce) {
    auto sprite = std::make_unique<WSPRITE>(Image(4, 4).c_str());
    sprite->ReleaseTexture();
    EXPECT_EQ(sprite->GetTexture(), nullptr);
    sprite->ReleaseTexture();  // nothing left to release
    // A handle handed elsewhere is cleared first and survives the sprite.
    WTEXTURE* texture = render->CreateTexture(2, 2);
    auto lender = std::make_unique<WSPRITE>(texture);
    lender->SetTexture(nullptr);
    lender.reset();
    EXPECT_EQ(render->GetTextureWidth(texture), 2);
    render->ReleaseTexture(texture);
}

// Drawn over its opaque texels only, a sprite lands every texel where the whole quad would, and
// takes in half a texel around them at least, for smooth filtering.
TEST_F(SpriteTest, ShowingOnlyTheOpaqueTexelsCutsTheQuadAndKeepsTheMapping) {
    struct CASE {
        const char* what;
        int anchor;
        float scale, rotation;
    };
    const CASE cases[] = {
        {"centre anchor", WSPRITE::kAnchorCentre, 1.0f, 0.0f},
        {"top-left anchor, scaled", WSPRITE::kAnchorTopLeft, 1.7f, 0.0f},
        {"turned and scaled", WSPRITE::kAnchorCentre, 0.6f, 0.8f},
    };
    constexpr int kW = 40, kH = 30;
    constexpr int kLeft = 10, kTop = 5, kRight = 25, kBottom = 12;  // the opaque texels
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.what);
        WTEXTURE* texture = render->CreateTexture(kW, kH);
        uint32_t* texels = render->LockTexture(texture);
        for (int y = kTop; y < kBottom; ++y) {
            for (int x = kLeft; x < kRight; ++x) {
                texels[y * kW + x] = 0x01FFFFFFu;
            }
        }
        render->UnlockTexture(texture);
        WSPRITE sprite(texture);
        sprite.SetAnchor(c.anchor);
        sprite.SetScale(c.scale, c.scale);
        sprite.rotation = c.rotation;
        render->ClearRecordedDraws();
        sprite.DrawAt(300, 200);
        sprite.ShowOnlyOpaqueTexels();
        sprite.DrawAt(300, 200);
        ASSERT_EQ(Draws().size(), 2u);
        const WRECORDED_DRAW whole = Draws()[0];
        const WRECORDED_DRAW part = Draws()[1];
        EXPECT_LE(part.corners[0].u * kW, kLeft - 0.5f);
        EXPECT_GE(part.corners[2].u * kW, kRight + 0.5f);
        EXPECT_LE(part.corners[0].v * kH, kTop - 0.5f);
        EXPECT_GE(part.corners[2].v * kH, kBottom + 0.5f);
        // Where the whole quad puts texture point (u, v).
        const float du = whole.corners[3].u - whole.corners[0].u;
        const float dv = whole.corners[1].v - whole.corners[0].v;
        for (const WQUAD_CORNER& corner : part.corners) {
            const float a = (corner.u - whole.corners[0].u) / du;
            const float b = (corner.v - whole.corners[0].v) / dv;
            const float x = whole.corners[0].x + a * (whole.corners[3].x - whole.corners[0].x) +
                            b * (whole.corners[1].x - whole.corners[0].x);
            const float y = whole.corners[0].y + a * (whole.corners[3].y - whole.corners[0].y) +
                            b * (whole.corners[1].y - whole.corners[0].y);
            EXPECT_NEAR(corner.x, x, 1e-3);
            EXPECT_NEAR(corner.y, y, 1e-3);
        }
        const float part_area =
            (part.corners[2].u - part.corners[0].u) * (part.corners[2].v - part.corners[0].v);
        EXPECT_LT(part_area, 0.25f * du * dv);
    }
}

TEST_F(SpriteTest, ATextureWithNothingOpaqueIsDrawnWhole) {
    WSPRITE sprite(render->CreateTexture(16, 16));
    sprite.ShowOnlyOpaqueTexels();
    render->ClearRecordedDraws();
    sprite.Draw(0);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_FLOAT_EQ(Draws()[0].corners[2].x - Draws()[0].corners[0].x, 16.0f);
}

// A device may drop the texels once they are uploaded: the rectangle found before still holds.
TEST_F(SpriteTest, TheOpaqueRectangleOutlivesTheTexels) {
    WTEXTURE* texture = render->CreateTexture(32, 32);
    render->LockTexture(texture)[10 * 32 + 12] = 0xFF000000u;
    render->UnlockTexture(texture);
    WSPRITE sprite(texture);
    sprite.ShowOnlyOpaqueTexels();
    texture->texels.clear();
    sprite.ShowAllTexels();
    sprite.ShowOnlyOpaqueTexels();
    render->ClearRecordedDraws();
    sprite.Draw(0);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_LT(Draws()[0].corners[2].x - Draws()[0].corners[0].x, 8.0f);
}

// A cut's pieces borrow their texels from the cut's block rather than own a copy.
TEST_F(SpriteTest, TheOpaqueRectangleIsFoundInBorrowedTexelsToo) {
    std::vector<uint32_t> held(32 * 32, 0);
    held[10 * 32 + 12] = 0xFF000000u;
    WSPRITE sprite(render->CreateTextureOver(32, 32, held.data()));
    sprite.ShowOnlyOpaqueTexels();
    render->ClearRecordedDraws();
    sprite.Draw(0);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_LT(Draws()[0].corners[2].x - Draws()[0].corners[0].x, 8.0f);
}

}  // namespace
