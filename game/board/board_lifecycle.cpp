// PUZZLE_PIECES_SYSTEM: construction, set-up, states, layout and the play-state update and draw.
#include <algorithm>
#include <utility>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"
#include "game/board/resolution_message.h"
#include "game/board/win_dialog.h"
#include "game/records/player_settings.h"

namespace GAME {
namespace {

using WUN::Frame;

constexpr int kPlayAreaMargin = 50;
constexpr uint32_t kBandFill = 0x661E90FFu;
constexpr uint32_t kBandOutline = 0xFF1E90FFu;
constexpr uint32_t kGhostTint = 0xAAFFFFFFu;
constexpr int kPreviewBorder = 65;
// Particle slots of g_effects the board fills; the application updates them every frame.
constexpr int kSparkleSlot = 0;
constexpr int kTrailSlot = 1;

WSPRITE* LoadFromPack(const char* pack, const char* name) {
    g_file_system.SelectPack(pack);
    WSPRITE* sprite = new WSPRITE(name);
    g_file_system.UnselectPack();
    return sprite;
}

PARTIC_CIRCLE* MakeEmitter(const char* name, uint32_t start, uint32_t middle, uint32_t end) {
    g_file_system.SelectPack(g_resources.packs.effects_pack);
    PARTIC_CIRCLE* emitter = new PARTIC_CIRCLE(name, 0, 400);
    g_file_system.UnselectPack();
    emitter->SetType(2);
    emitter->start_colour = start;
    emitter->middle_colour = middle;
    emitter->end_colour = end;
    return emitter;
}

void PlayIfLoaded(int index, bool halt) {
    if (WSOUND* sound = g_sounds[index]) {
        halt ? sound->Halt() : sound->Play();
    }
}

}  // namespace

PUZZLE_PIECES_SYSTEM::PUZZLE_PIECES_SYSTEM() {
    const int w = Frame().GetGameWidth();
    const int h = Frame().GetGameHeight();
    play_area = {kPlayAreaMargin, kPlayAreaMargin, w - kPlayAreaMargin, h - kPlayAreaMargin};

    background_ = LoadFromPack(g_resources.packs.gui_pack, g_resources.choice_color_back);
    score_panel_ = LoadFromPack(g_resources.packs.level_pack, g_resources.up_score_punel);
    score_panel_->SetAnchor(WSPRITE::kAnchorTopCentre);
    score_panel_->SetPosition(w / 2, 0);
    bullet_head_ = LoadFromPack(g_resources.packs.effects_pack, g_resources.particle.snow);
    bullet_head_->SetScale(0.4f, 0.4f);
    bullet_head_->SetColour(0x88FFFFFFu);
    WTEXTURE* band = Frame().GetRender()->CreateTexture(10, 10);
    FillTexture(kBandFill, band);
    band_sprite_ = new WSPRITE(band);
    band_sprite_->SetAnchor(WSPRITE::kAnchorTopLeft);
    lens_ = MakeLens();

    sparkles_ = MakeEmitter(g_resources.particle.bonus, 0x00FFF3B0u, 0xFFFFE070u, 0x00FFFFFFu);
    trail_ = MakeEmitter(g_resources.particle.snow, 0x00FFFFFFu, 0xFFFFFFFFu, 0x00FFFFFFu);
    trail_->particle.life = 0.6f;
    g_effects[kSparkleSlot] = sparkles_;
    g_effects[kTrailSlot] = trail_;

    pocket_ = std::make_unique<PUZZLE_POCKET>();
    ResetCounters();

    PlayIfLoaded(kSoundMenuMusic, true);
    PlayIfLoaded(kSoundGameMusic, false);
}

PUZZLE_PIECES_SYSTEM::~PUZZLE_PIECES_SYSTEM() {
    PlayIfLoaded(kSoundMenuMusic, false);
    PlayIfLoaded(kSoundGameMusic, true);
    if (g_effects[kSparkleSlot] == sparkles_)
        g_effects[kSparkleSlot] = nullptr;
    if (g_effects[kTrailSlot] == trail_)
        g_effects[kTrailSlot] = nullptr;
    delete sparkles_;
    delete trail_;
    delete picture;
    delete mask;
    delete background_;
    delete score_panel_;
    delete band_sprite_;
    delete bullet_head_;
    delete lens_;
    pieces_.clear();
    ReleaseShadowAtlas();
    KeepCutArena(std::move(cut_arena_));
}

void PUZZLE_PIECES_SYSTEM::Init(const std::string& picture_path_, int min_pieces,
                                int available_height, PUZZLE_PLAYER_PROFILE* player_settings,
                                bool rotation, float deformation, int border_type) {
    SetParams(min_pieces, deformation, rotation, border_type);
    settings = player_settings;
    picture_path = picture_path_;
    delete picture;
    delete mask;
    if (!pack_name.empty()) {
        picture = LoadFromPack(pack_name.c_str(), picture_path.c_str());
    } else if (tier_width > 0 && tier_height > 0) {
        picture = new WSPRITE(
            Frame().GetRender()->LoadTextureFile(picture_path, tier_width, tier_height));
    } else {
        picture = new WSPRITE(picture_path.c_str(), true);
    }
    // Every cut reads the picture's texels.
    picture->GetTexture()->drop_after_upload = false;
    // The mask matches the picture's texels (after a failed load, the default texture's).
    WRENDER* render = Frame().GetRender();
    int width = 0;
    int height = 0;
    render->GetTextureSize(picture->GetTexture(), width, height);
    WTEXTURE* mask_texture = render->CreateTexture(std::max(width, 1), std::max(height, 1));
    mask = new WSPRITE(mask_texture);
    available_height_ = available_height;
    FitPicture(available_height);
    g_file_system.SelectPack(g_resources.packs.level_pack);
    fly_frame_ = std::make_unique<FLUING_FRAME>(width, height);
    g_file_system.UnselectPack();
    fly_frame_->SetPosition(static_cast<float>(Frame().GetGameWidth() - 150), 50.0f);
    fly_frame_->SetZoom(2);
    ResetCounters();
    results_recorded = false;
}

void PUZZLE_PIECES_SYSTEM::SetParams(int min_pieces, float deformation, bool rotation,
                                     int border_type) {
    Min = min_pieces;
    distort = deformation;
    rt = rotation;
    typeborder = border_type;
}

void PUZZLE_PIECES_SYSTEM::SetBackgroundColour(uint32_t argb) {
    background_->SetColour(argb);
}

uint32_t PUZZLE_PIECES_SYSTEM::BackgroundColour() const {
    return background_->GetColour();
}

void PUZZLE_PIECES_SYSTEM::FitPicture(int available_height) {
    if (picture == nullptr) {
        return;
    }
    const int screen_h = Frame().GetGameHeight();
    const int margin = static_cast<int>(screen_h * 0.05);
    const int available = available_height != 0 ? available_height : screen_h;
    float scale = 1.0f;
    if (available - 2 * margin < picture->GetHeight()) {
        scale = static_cast<float>(available - 2 * margin) / picture->GetHeight();
    }
    for (WSPRITE* sprite : {picture, mask}) {
        sprite->SetScale(scale, scale);
        sprite->SetPosition(Frame().GetGameWidth() / 2, available / 2);
    }
}

void PUZZLE_PIECES_SYSTEM::Layout() {
    if (state == kStatePicture || state == kStatePreview) {
        FitPicture(available_height_);
        return;
    }
    if (state != kStatePlay) {
        return;
    }
    const int w = Frame().GetGameWidth();
    const int h = Frame().GetGameHeight();
    if (picture != nullptr) {
        picture->SetScale(1.0f, 1.0f);
        picture->SetPosition(w / 2, h / 2);
    }
    // The felt repeats at its own size: stretched, its fibres would blur on large screens.
    background_->SetSize(play_area.right - play_area.left, play_area.bottom - play_area.top);
    background_->FitUVToImage();
    background_->SetAnchor(WSPRITE::kAnchorCentre);
    background_->SetPosition(w / 2, h / 2);
    background_->SetColour(settings != nullptr ? static_cast<uint32_t>(settings->background)
                                               : 0xFFFFFFFFu);
    lens_->SetTexture(Frame().GetRender()->GetSceneTexture());
    if (resolution_message_ != nullptr) {
        resolution_message_->Layout();
    }
    if (win_dialog_ != nullptr) {
        win_dialog_->Layout();
    }
}

void PUZZLE_PIECES_SYSTEM::ResetCounters() {
    counters = BOARD_COUNTERS::ForGrid(cols, rows);
    score_display.Reset();
}

void PUZZLE_PIECES_SYSTEM::BuildBorderRing() {
    ring_.clear();
    for (int c = 0; c <= cols - 2; ++c)
        ring_.push_back(GridAt(c, 0));
    for (int r = 0; r <= rows - 2; ++r)
        ring_.push_back(GridAt(cols - 1, r));
    for (int c = cols - 1; c >= 1; --c)
        ring_.push_back(GridAt(c, rows - 1));
    for (int r = rows - 1; r >= 1; --r)
        ring_.push_back(GridAt(0, r));
}

void PUZZLE_PIECES_SYSTEM::PlaySound(int index) {
    PlayIfLoaded(index, false);
    if (sound_observer) {
        sound_observer(index);
    }
}

int PUZZLE_PIECES_SYSTEM::Update(int, float step) {
    const float dt = step > 0.0f ? step : Frame().GetFrameTime();
    switch (state) {
        case kStatePicture:
        case kStatePreview:
            ++state;
            return kBoardNothing;
        case kStateBuild:
            BuildPieces();
            state = kStatePlay;
            Layout();
            return kBoardNothing;
        case kStatePlay:
            return UpdatePlay(dt);
        default:
            return kBoardNothing;
    }
}

int PUZZLE_PIECES_SYSTEM::UpdatePlay(float dt) {
    if (resolution_message_ != nullptr) {
        const int answer = resolution_message_->Answer();
        if (answer != 0) {
            resolution_message_.reset();
        }
        return answer == -1 ? kBoardLeave : kBoardNothing;
    }
    counters.regT += dt;
    counters.regTa += dt;
    score_display.Update(dt);
    UpdatePieces(dt);
    UpdateTimers(dt);
    UpdateEffects(dt);
    if (band_active_) {
        UpdateBand();
    }
    if (finish_index == -2) {
        if (win_dialog_ == nullptr) {
            Complete();
            return kBoardFinished;
        }
        return win_dialog_->Update(0, 0.0f) == -1 ? kBoardLeave : kBoardNothing;
    }
    const int pocket = pocket_->Update(dt);
    if (pocket == PUZZLE_POCKET::kToggled) {
        PlaySound(pocket_->IsOpen() ? kSoundUsePocket : kSoundClosePocket);
        counters.regGVN = true;
        ClearHint();
        ClearSelection();
        StopBand();
        return kBoardNothing;
    }
    if (pocket == PUZZLE_POCKET::kButtonHeld) {
        return kBoardNothing;
    }
    const int mouse = HandleMouse();
    if (mouse != kBoardNothing) {
        return mouse;
    }
    if (border_filter_switched_off_) {
        border_filter_switched_off_ = false;
        return kBoardBorderFilterOff;
    }
    return counters.regF == 1 ? kBoardAssembled : kBoardNothing;
}

int PUZZLE_PIECES_SYSTEM::Draw(int) {
    if (state != kStatePlay && underlay) {
        underlay();
    }
    switch (state) {
        case kStatePicture:
            picture->Draw(0);
            break;
        case kStatePreview:
            if (WSPRITE* white = g_shared_sprites.white_plain) {
                white->SetSize(picture->GetWidth() + 2 * kPreviewBorder,
                               picture->GetHeight() + 2 * kPreviewBorder);
                white->SetAnchor(WSPRITE::kAnchorCentre);
                white->SetScale(picture->scale.x, picture->scale.y);
                white->DrawAt(picture->pos.x, picture->pos.y);
            }
            picture->Draw(0);
            mask->Draw(0);
            break;
        case kStatePlay:
            DrawPlay();
            break;
        default:
            break;
    }
    return 0;
}

void PUZZLE_PIECES_SYSTEM::DrawPlay() {
    WRENDER* render = Frame().GetRender();
    RealignGroups();
    // What rests goes into the cached layer, which the GPU draws again only when it changes.
    const int resting_from = RestingFrom();
    render->DrawCachedLayer([&] {
        if (underlay) {
            underlay();
        }
        background_->Draw(0);
        if (ghost_image && picture != nullptr) {
            const uint32_t tint = picture->GetColour();
            picture->SetColour(kGhostTint);
            picture->Draw(0);
            picture->SetColour(tint);
        }
        render->SetFiltering(true);
        DrawPieces(false, resting_from, StackSize());
    });
    render->SetFiltering(true);
    DrawPieces(false, 0, resting_from);
    sparkles_->Draw(0);
    score_panel_->Draw(0);
    score_display.Draw(g_fonts[0], g_texts.game_txt_score, Frame().GetGameWidth() / 2,
                       static_cast<int>(score_panel_->GetHeight() / 3 + 5));
    if (fly_shown) {
        DrawFlyFrame();
    }
    pocket_->DrawBackground();
    render->SetFiltering(true);
    DrawPieces(true, 0, StackSize());
    pocket_->DrawButton();
    if (band_active_) {
        const int x1 = std::min(band_x1_, band_x2_), x2 = std::max(band_x1_, band_x2_);
        const int y1 = std::min(band_y1_, band_y2_), y2 = std::max(band_y1_, band_y2_);
        band_sprite_->Draw(0);
        render->DrawLine(x1, y1, x2, y1, kBandOutline);
        render->DrawLine(x2, y1, x2, y2, kBandOutline);
        render->DrawLine(x2, y2, x1, y2, kBandOutline);
        render->DrawLine(x1, y2, x1, y1, kBandOutline);
    }
    sparkles_->Draw(0);
    trail_->Draw(0);
    DrawEffects();
    ReleaseUploadedCut();
}

void PUZZLE_PIECES_SYSTEM::StopBand() {
    band_active_ = false;
}

}  // namespace GAME
