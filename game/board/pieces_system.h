// GAME::PUZZLE_PIECES_SYSTEM: the puzzle being played: its pieces, lists, counters and states.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/ui/object_tree.h"
#include "game/board/board_counters.h"
#include "game/board/board_effects.h"
#include "game/board/cut_arena.h"
#include "game/board/cut_grid.h"
#include "game/board/fluing_frame.h"
#include "game/board/pocket.h"
#include "game/board/puzzle_piece.h"
#include "game/board/score_display.h"
#include "game/records/own_pictures.h"
#include "game/records/result_record.h"

class PARTIC_CIRCLE;
class WRENDER;
class WSPRITE;
struct PUZZLE_PLAYER_PROFILE;
struct WTEXTURE;

namespace GAME {

class PUZZLE_MESSAGE_RESOLUTION;
class WDIALOGWIN;
struct SAVED_PUZZLE;

// The board's update results for the shell. The board never reaches into the play panel: the
// results 1000 + n tell the shell to release the panel button that answers n.
enum BOARD_RESULT {
    kBoardNothing = 0,
    kBoardAssembled = 1,           // every frame while one unit is left
    kBoardLeave = -8,              // back to the menu
    kBoardFinished = 54,           // the finish ended and the win dialog was just opened
    kBoardBorderFilterOff = 1003,  // the completed frame switched the border filter off
    kBoardHintCleared = 1004,      // a drop, turn, join or pick ended the hint
    kBoardFlyClosed = 1005,        // by the fly frame's own close button
    kBoardMagnifierOff = 1007,     // by a click on the board
    kBoardTutorialStep = 126,      // a piece was picked while the first tutorial step shows
};

// The board's states.
enum BOARD_STATE {
    kStateIdle = 0,
    kStatePicture = 1,
    kStatePreview = 2,
    kStateBuild = 3,
    kStatePlay = 4,
};

struct BOARD_RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class PUZZLE_PIECES_SYSTEM : public WST::ST {
  public:
    // Loads the board's sprites, fixes the play area and starts the game music.
    PUZZLE_PIECES_SYSTEM();
    // Frees every piece and owned object and brings the menu music back.
    ~PUZZLE_PIECES_SYSTEM() override;
    PUZZLE_PIECES_SYSTEM(const PUZZLE_PIECES_SYSTEM&) = delete;
    PUZZLE_PIECES_SYSTEM& operator=(const PUZZLE_PIECES_SYSTEM&) = delete;

    // step: seconds of this frame, 0 for the frame's own delta. Returns a BOARD_RESULT.
    int Update(int flag, float step) override;
    int Draw(int flag) override;
    int Query(int) { return 0; }
    // Magnifier, win dialog and resolution message (board_overlay.cpp); after the play panel.
    void DrawOverlay();

    // --- Set-up by the shell.

    // Aspect of the grid: its shorter side over its longer one (at most 1).
    void SetAspect(float value) { aspect = value; }
    // Loads the picture (from pack_name when set, else from the path as given, at the tier's
    // size when one is set), fits it into
    // available_height (0: the screen height) and resets the counters.
    void Init(const std::string& picture_path, int min_pieces, int available_height,
              PUZZLE_PLAYER_PROFILE* player_settings, bool rotation, float deformation,
              int border_type);
    // The difficulty choice.
    void SetParams(int min_pieces, float deformation, bool rotation, int border_type);
    void SetSmallPicturePath(const std::string& path) { small_picture_path = path; }
    void SetState(int value) { state = value; }
    // The colour (ARGB) of the board's background while playing; a layout takes the player's
    // own colour again.
    void SetBackgroundColour(uint32_t argb);
    uint32_t BackgroundColour() const;
    // Lays the board out for the current screen size (after a build, load or video change).
    void Layout();
    // Cuts the picture and deals the pieces (state 3); the pieces fly in at once.
    void BuildPieces();
    // The cut lines over the picture for the preview.
    void DrawPreviewGrid();

    // --- Saving and restoring (board_save.cpp).

    // Writes the game to its save path, or, for a game that has none, to the first free name
    // prefix + n + ".pzl" (not kept: a new game saved twice makes two files). resolution_code is
    // the shell's screen mode, kept so that a load at another one can say so. 1 when written,
    // -1 when not (an older file of that name is then left whole).
    int Save(const std::string& prefix, int resolution_code) const;
    // The document Save writes, for a file kept elsewhere (the autosave).
    std::string SavedText(int resolution_code) const;
    // Puts a saved game (read by ReadSaveFile) on a board that was constructed and given its
    // aspect, in place of Init and the build: the same cut from the saved parameters, the pieces
    // and counters brought into a playable state (CheckSavedGame), groups at the bottom of the
    // stack, the completed frame locked, the resolution message when resolution_code differs from
    // the saved one or the game's pictures are cut for a larger screen (its pieces are then
    // brought into the play area), and state 4. Later saves go to path. -1 when the picture
    // cannot be cut into the saved grid: the shell then drops the board.
    int Restore(const SAVED_PUZZLE& saved, const std::string& path,
                PUZZLE_PLAYER_PROFILE* player_settings, int resolution_code);

    // --- The pocket and the fly frame.

    PUZZLE_POCKET& Pocket() { return *pocket_; }
    // Made by Init for the picture; null before.
    FLUING_FRAME* FlyFrame() { return fly_frame_.get(); }

    // --- The board's own windows.

    // The message that the game was saved at another screen resolution; play waits for it.
    void OpenResolutionMessage();
    const PUZZLE_MESSAGE_RESOLUTION* ResolutionMessage() const { return resolution_message_.get(); }
    // The win dialog with a finished game's results (the completion opens it).
    void OpenWinDialog(const RESULT_RECORD& results);
    // Open from the completion on; null before.
    const WDIALOGWIN* WinDialog() const { return win_dialog_.get(); }

    // Drawn first in a play frame, under the board's background (the shell's floor and frame),
    // so that it joins the cached layer.
    std::function<void()> underlay;

    // Told the index (within g_sounds) of every sound the board plays; for tests and tools.
    std::function<void(int)> sound_observer;

    // --- Tools of the play panel; each returns the tool's new state.

    bool ToggleGhostImage();
    bool ToggleBorderFilter();
    bool ToggleFlyFrame();
    bool ToggleMagnifier();
    // Points out two pieces that fit together: true when it found a pair.
    bool Hint();
    // Gathers the single pieces by quarters of the picture into the play area's quadrants.
    void Sort();
    // Ends the hint: both pieces stop blinking.
    void ClearHint();
    // Ends a running rubber band (the shell does it when the fly frame opens).
    void StopBand();

    // --- Pieces and units (a unit is a single piece or a whole group).

    PUZZLE_PIECE* StackAt(int index) const { return stack_[index]; }
    int StackSize() const { return static_cast<int>(stack_.size()); }
    // A linear search: keep it out of loops over the pieces (StackPositions answers for all).
    int StackIndexOf(const PUZZLE_PIECE* piece) const;
    // The stack index of every piece, by GridIndex.
    std::vector<int> StackPositions() const;
    int GridIndex(const PUZZLE_PIECE& piece) const { return piece.row * cols + piece.col; }
    PUZZLE_PIECE* GridAt(int col, int row) const { return grid_[row * cols + col]; }
    const std::vector<PUZZLE_PIECE*>& Grid() const { return grid_; }
    const std::vector<PUZZLE_PIECE*>& BorderRing() const { return ring_; }
    // Stack index + 1 of the held piece, 0 when nothing is held.
    int HeldPiece() const { return held_ != nullptr ? StackIndexOf(held_) + 1 : 0; }
    bool BandActive() const { return band_active_; }
    // The group of the grid's piece 0, or 0 while it is single.
    int FrameGroup() const;
    // The frame is complete and locked: its group neither moves, turns nor is selected.
    bool FrameLocked(const PUZZLE_PIECE& piece) const;
    int GroupSize(int group) const;

    void MoveUnit(int stack_index, float dx, float dy);
    void RotateGroup(int group, float px, float py);
    int BringGroupToFront(int group, int held_index, bool lift_up);
    void SendGroupToBack(int group, bool lower);
    int SendSingleToBack(int stack_index);
    void BringSelectionToFront();
    void SetGroupLift(int direction, int group, bool snap);
    void SetGroupHover(int group);
    void ClearSelection();

    // --- Mouse (once per play frame) and joining.

    int HandleMouse();
    // Stack index + 1 of the topmost piece whose outline holds (x, y), or 0.
    int HitTest(int x, int y) const;
    // Joins every fitting neighbour to the piece at stack_index (which moves); true when one
    // joined. Callers repeat it until it answers false.
    bool TryJoin(int stack_index);
    // Snaps the held piece home when it is close enough; true when it did.
    bool SnapHome(int stack_index);

    // Home centre of a cell on the screen (where the picture is drawn).
    FLOAT_POINT HomeOf(const PUZZLE_PIECE& piece) const;

    // --- Board settings.
    int Min = 3;
    float aspect = 0.75f;
    float distort = 0.0f;  // 0..1 (more counts as 1)
    bool rt = false;       // pieces come rotated and may be turned
    int typeborder = 0;
    std::string picture_path;        // "ImgAdr"
    std::string small_picture_path;  // "ImgSmAdr"
    std::string pack_name;           // "ImgPkAdr"; empty outside a pack
    std::string save_path;
    // An own picture (no pack_name): its file's stamp when the game began, and its tier's
    // largest picture size, which it is scaled to before the cut. 0 x 0 for a picture file that
    // is not an own one: it is loaded at the device's largest picture size.
    PICTURE_STAMP picture_stamp;
    int tier_width = 0;
    int tier_height = 0;
    PUZZLE_PLAYER_PROFILE* settings = nullptr;  // owned by the profile
    bool results_recorded = false;              // the shell has filed this game's score
    bool tutorial_step_marked = false;          // the shell shows its first tutorial step

    // --- Grid.
    int cols = 1;
    int rows = 1;
    int cellW = 0;
    int cellH = 0;
    std::vector<CUT_POINT> shapes;  // cols x rows x kShapePoints, relative to each cell centre

    int state = kStateIdle;
    BOARD_RECT play_area;  // screen pixels

    BOARD_COUNTERS counters;

    // --- Tools.
    bool magnifier_on = false;
    bool border_filter = false;
    bool ghost_image = false;  // "frame"
    bool fly_shown = false;    // "fly"

    // --- Hint: the cells of the two pieces.
    bool hint_active = false;
    CUT_POINT hint_cells[2] = {{-1, -1}, {-1, -1}};  // (col, row)

    // --- Join, finish and timer state.
    int last_merge_s1 = 0;
    int last_merge_s2 = 0;
    int single_count = 0;
    float held_time = 0.0f;
    int dropped_group = -1;
    int pulse_group = -1;
    float pulse_angle = 0.0f;
    int wave_index = -1;  // -1 idle, -2 done
    float wave_timer = 0.0f;
    float wave_step = 0.0f;
    int finish_index = -1;  // -1 playing, -2 finished
    float finish_timer = 0.0f;
    int finish_sparkles = 0;
    float hint_sparkle_timer = 0.0f;
    SCORE_DISPLAY score_display;

    // The picture (whole, as dealt) and the mask of the cut lines in picture pixels.
    WSPRITE* picture = nullptr;
    WSPRITE* mask = nullptr;

  private:
    void ResetCounters();
    void BuildBorderRing();
    void FitPicture(int available_height);
    int UpdatePlay(float dt);
    void DrawPlay();
    void PlaySound(int index);

    // Motion (board_motion.cpp).
    // The pushes back into the play area of one update that move more than their own piece.
    struct UNIT_PUSHES {
        FLOAT_POINT selection;
        std::unordered_map<int, FLOAT_POINT> groups;  // by group id
        // The sum of the pushes that move piece.
        FLOAT_POINT Of(const PUZZLE_PIECE& piece, bool frame_locked) const;
    };
    void UpdatePieces(float dt);
    void PushIntoPlayArea(PUZZLE_PIECE& piece, float dt, UNIT_PUSHES& pushes);
    // At once, every unit outside the play area (not in the pocket) to its nearest place inside.
    void BringUnitsIntoPlayArea();
    void RealignGroups();
    void Realign(PUZZLE_PIECE& p, const PUZZLE_PIECE& q);
    int SinkBase() const;

    // With a device, the cut's memory goes once every piece texture has dropped its texels
    // after the upload (board_build.cpp).
    void ReleaseUploadedCut();
    // The pieces' shadows, packed into shadow_atlas_ from the cut's texels (board_build.cpp).
    void MakeShadows();
    void ReleaseShadowAtlas();

    // Drawing (board_draw.cpp).
    // The units of stack indices top .. end - 1 that lie in the layer asked for, bottom first.
    void DrawPieces(bool lifted_layer, int top, int end);
    // Lifted, moving, turning, blinking, pulsing or fading: its look changes by itself.
    bool Animates(const PUZZLE_PIECE& piece) const;
    // The stack index from which on every unit rests: below the lowest one that animates.
    int RestingFrom() const;
    bool InPulse(const PUZZLE_PIECE& piece) const;
    bool InWave(const PUZZLE_PIECE& piece) const;
    bool InFinish(const PUZZLE_PIECE& piece) const;
    void DrawInPocket(PUZZLE_PIECE& piece);
    void DrawShadow(PUZZLE_PIECE& piece, float ox, float oy);
    void DrawBody(PUZZLE_PIECE& piece, float ox, float oy, bool in_pocket);
    void DrawHighlight(PUZZLE_PIECE& piece, float ox, float oy, float strength);
    float GroupHighlight(const PUZZLE_PIECE& piece) const;

    // Mouse (board_mouse.cpp).
    int HandleRightPress(int x, int y);
    int HandleLeftPress(int x, int y);
    void HandleLeftHeld(int x, int y);
    int HandleLeftRelease();
    void HandleHover(int x, int y);
    int DropIntoPocket(PUZZLE_PIECE& piece);
    void StartBand(int x, int y);
    void UpdateBand();
    bool IsHintPiece(const PUZZLE_PIECE& piece) const;

    // Joining (board_join.cpp).
    bool JoinsIn(const PUZZLE_PIECE& p) const;
    bool Fits(const PUZZLE_PIECE& a, const PUZZLE_PIECE& b) const;
    void SnapTo(int a_index, const PUZZLE_PIECE& b);
    void ScoreJoin(PUZZLE_PIECE& a, PUZZLE_PIECE& b);
    bool GroupHasEdge(int group) const;

    // Timers and the finish (board_timers.cpp).
    void UpdateTimers(float dt);
    void CompleteFrame();
    void UpdateEffects(float dt);
    void DrawEffects();

    // The finished game's trophies, results, win dialog and save file (board_completion.cpp).
    void Complete();

    // The magnifier's lens over the finished scene (board_overlay.cpp).
    static WSPRITE* MakeLens();
    void DrawMagnifier();

    // Tools (board_tools.cpp, board_hint.cpp).
    void DrawFlyFrame();
    // The piece may be pointed out by a hint: it takes part under the border filter and lies
    // within reach.
    bool HintMayShow(const PUZZLE_PIECE& piece) const;
    // A hint piece comes to the top of the stack (a single) or brings its group to the front.
    void RaiseHintPiece(PUZZLE_PIECE& piece);
    PUZZLE_PIECE* FindHintPartner(const PUZZLE_PIECE& piece) const;

    // Holds the pieces' texels, which their textures borrow; kept for the next board.
    CUT_ARENA cut_arena_ = TakeKeptCutArena();
    WTEXTURE* shadow_atlas_ = nullptr;  // owned; the pieces' shadow sprites draw from it
    std::vector<std::unique_ptr<PUZZLE_PIECE>> pieces_;  // owned, in grid order
    std::vector<PUZZLE_PIECE*> stack_;                   // index 0 on top
    std::vector<PUZZLE_PIECE*> grid_;                    // row-major
    std::vector<PUZZLE_PIECE*> ring_;                    // the edge pieces, clockwise

    int available_height_ = 0;  // of the preview fit; 0 is the screen height
    // The held piece itself, not its stack index: the stack may be reordered during a drag
    // (a dropped group that comes to rest sinks to the back).
    PUZZLE_PIECE* held_ = nullptr;
    int last_x_ = 0;
    int last_y_ = 0;
    bool band_active_ = false;
    bool band_over_pocket_ = false;
    int band_x1_ = 0, band_y1_ = 0, band_x2_ = 0, band_y2_ = 0;
    bool pointer_over_pocket_ = false;
    // The completed frame switched the border filter off; the next update with nothing else
    // to report tells the shell.
    bool border_filter_switched_off_ = false;

    WSPRITE* background_ = nullptr;
    WSPRITE* score_panel_ = nullptr;
    WSPRITE* band_sprite_ = nullptr;
    WSPRITE* bullet_head_ = nullptr;
    WSPRITE* lens_ = nullptr;
    PARTIC_CIRCLE* sparkles_ = nullptr;  // also in g_effects[0]
    PARTIC_CIRCLE* trail_ = nullptr;     // also in g_effects[1]
    std::vector<std::unique_ptr<TIMED_EFFECT>> effects_;
    std::unique_ptr<PUZZLE_POCKET> pocket_;
    std::unique_ptr<FLUING_FRAME> fly_frame_;
    std::unique_ptr<WDIALOGWIN> win_dialog_;
    std::unique_ptr<PUZZLE_MESSAGE_RESOLUTION> resolution_message_;
};

}  // namespace GAME
