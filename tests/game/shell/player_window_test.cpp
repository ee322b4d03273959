// The player window under mouse and keys: choosing, adding, refusing, deleting, drawing.
#include "game/shell/player_window.h"

#include <filesystem>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/ui/edit_dialog.h"
#include "engine/ui/list_box.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/text_box.h"
#include "tests/game/shell/profile_fixture.h"

namespace {

namespace fs = std::filesystem;
using WINDOW = GAME::PAZZLE_PROFILE_MANAGER;

// A 400 x 300 window at the screen centre (512, 384). By its layout OK stands at (492, 524),
// Cancel at (532, 524), Add at (624, 324), Delete at (624, 363), and the list's 30-pixel rows
// start at (332, 314).
class PlayerWindowTest : public ProfileTest {
  protected:
    void SetUp() override {
        ProfileTest::SetUp();
        font = MakeFont();
        images = {Image(400, 300, 0xFFDDCCAA, "window.png"),
                  Image(160, 40, 0xFF22AA22, "button.png"),
                  Image(200, 40, 0xFF886644, "back.png"),
                  Image(240, 30, 0xFF3366CC, "item.png"),
                  Image(200, 200, 0xFFEEEEEE, "list_back.png"),
                  Image(400, 54, 0xFFFFFFEE, "edit_box.png"),
                  Image(500, 300, 0xFFCCCCCC, "window_mini.png"),
                  Image(64, 16, 0xFF888888, "slider.png")};
        g_resources.gui.window = images[0].c_str();
        g_resources.gui.ok_button = images[1].c_str();
        g_resources.gui.cancel_button = images[1].c_str();
        g_resources.gui.flat = images[1].c_str();
        g_resources.window_change_player.back = images[2].c_str();
        g_resources.window_change_player.item = images[3].c_str();
        g_resources.window_change_player.list_back = images[4].c_str();
        g_resources.window_change_player.edit_box = images[5].c_str();
        g_resources.gui.window_mini = images[6].c_str();
        g_resources.gui.slider = images[7].c_str();
        g_resources.gui.slider_minus = images[7].c_str();
        g_resources.gui.slider_plus = images[7].c_str();
        // Without packs a pack path names a folder: the images' own.
        pack = FolderPath("");
        g_resources.packs.gui_pack = pack.c_str();
    }
    void TearDown() override {
        g_fonts[1] = nullptr;
        ProfileTest::TearDown();
    }

    void Open() {
        profile = MakeProfile(font.get());
        profile->OpenWindow();
        ASSERT_TRUE(profile->IsWindowOpen());
    }
    WINDOW& Window() { return *profile->GetWindow(); }

    // One frame of the shell: the window's update, then the end of the frame.
    int Frame() {
        const int answer = profile->UpdateWindow();
        EndFrame();
        return answer;
    }
    // A press and a release at (x, y); the answer of the release frame.
    int ClickAt(int x, int y) {
        MoveMouse(x, y);
        PressLeft();
        EXPECT_EQ(Frame(), PROFILE::kWindowOpen);
        ReleaseLeft();
        return Frame();
    }
    int ClickOk() { return ClickAt(492, 524); }
    int ClickCancel() { return ClickAt(532, 524); }
    int ClickAdd() { return ClickAt(624, 324); }
    int ClickDelete() { return ClickAt(624, 363); }
    int ClickRow(int row) { return ClickAt(350, 314 + 30 * row + 15); }

    int PressKey(int vk) {
        KeyDown(vk);
        const int answer = profile->UpdateWindow();
        KeyUp(vk);
        EndFrame();
        return answer;
    }
    void TypeName(const std::u16string& name) {
        for (char16_t c : name) {
            const char16_t one[] = {c, 0};
            Type(one);
            profile->UpdateWindow();
            KeyUp('A');
            EndFrame();
        }
    }
    // The names from the top row down.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = Window().NameCount() - 1; i >= 0; --i) {
            rows.push_back(Window().GetList()->GetItemText(i));
        }
        return rows;
    }

    std::unique_ptr<WFONT> font;
    std::vector<std::string> images;
    std::string pack;
    std::unique_ptr<PROFILE> profile;
};

TEST_F(PlayerWindowTest, OnTheFirstStartTheWindowHoldsTheDefaultPlayerWhoseFolderExists) {
    Open();
    EXPECT_TRUE(profile->IsFirstRun());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Player"}));
    EXPECT_TRUE(IsFolder("Player"));
    EXPECT_EQ(Frame(), PROFILE::kWindowOpen);
    EXPECT_EQ(ClickOk(), PROFILE::kPlayerChanged);
    EXPECT_FALSE(profile->IsWindowOpen());
    EXPECT_EQ(profile->GetName(), "Player");
    EXPECT_EQ(Frame(), PROFILE::kNoWindow);
}

TEST_F(PlayerWindowTest, ThePlayerClickedInTheListIsChosenWithOk) {
    MakePlayer("ann", 10);
    MakePlayer("bob", 20);
    users.Write("LC.pzl", "ann");
    Open();
    // The current player on top and selected, so that OK alone changes nothing.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ann", "bob"}));
    EXPECT_EQ(Window().SelectedName(), "ann");
    EXPECT_EQ(ClickRow(1), PROFILE::kWindowOpen);
    EXPECT_EQ(Window().SelectedName(), "bob");
    EXPECT_EQ(ClickOk(), PROFILE::kPlayerChanged);
    EXPECT_EQ(profile->GetName(), "bob");
    EXPECT_EQ(LastPlayer(), "bob");
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 20u);
}

TEST_F(PlayerWindowTest, CancelClosesTheWindowAndKeepsThePlayer) {
    MakePlayer("ann", 10);
    MakePlayer("bob", 20);
    users.Write("LC.pzl", "ann");
    Open();
    ClickRow(1);
    EXPECT_EQ(ClickCancel(), PROFILE::kNoWindow);
    EXPECT_FALSE(profile->IsWindowOpen());
    EXPECT_EQ(profile->GetName(), "ann");
    EXPECT_EQ(LastPlayer(), "ann");
}

TEST_F(PlayerWindowTest, ATypedNameIsAddedSelectedAndGetsItsFolder) {
    Open();
    EXPECT_EQ(ClickAdd(), PROFILE::kWindowOpen);
    EXPECT_FALSE(Window().IsListActive());
    TypeName(u"cyd");
    EXPECT_EQ(PressKey(VK_RETURN), PROFILE::kWindowOpen);
    EXPECT_TRUE(Window().IsListActive());
    EXPECT_EQ(Window().AddedName(), "cyd");
    EXPECT_TRUE(IsFolder("cyd"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"cyd", "Player"}));
    EXPECT_EQ(profile->GetName(), "Player");  // chosen only with OK
    EXPECT_EQ(ClickOk(), PROFILE::kPlayerChanged);
    EXPECT_EQ(profile->GetName(), "cyd");
    EXPECT_TRUE(Exists("cyd/set.bin"));
}

TEST_F(PlayerWindowTest, ARefusedTypedNameKeepsTheDialogOpenWithTheName) {
    SCRATCH_FOLDER outside;
    MakePlayer("ann", 1);
    users.Write("notes", "a file");
    Link(outside.Root(), "away");
    Open();
    ClickAdd();
    for (const auto& [typed, name] : {std::pair{u"ann", "ann"},  // in the list already
                                      {u"notes", "notes"},       // a file of the folder
                                      {u"away", "away"}}) {      // a link out of it
        TypeName(typed);
        EXPECT_EQ(PressKey(VK_RETURN), PROFILE::kWindowOpen) << name;
        EXPECT_FALSE(Window().IsListActive()) << name;
        EXPECT_EQ(Window().GetDialog()->GetTextBox()->GetText(), name);
        Window().GetDialog()->GetTextBox()->Clear();
    }
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Player", "ann"}));
    EXPECT_EQ(users.Read("notes"), "a file");
    EXPECT_TRUE(fs::is_empty(outside.Root()));
    // Escape leaves the dialog and adds nothing.
    EXPECT_EQ(PressKey(VK_ESCAPE), PROFILE::kWindowOpen);
    EXPECT_TRUE(Window().IsListActive());
    EXPECT_EQ(Window().NameCount(), 2);
}

TEST_F(PlayerWindowTest, DeleteRemovesTheSelectedPlayersFolderOnlyAndSwitchesToTheNextName) {
    SCRATCH_FOLDER outside;
    outside.Write("keep.txt", "kept");
    MakePlayer("ann", 1);
    MakePlayer("bob", 2);
    MakePlayer("cyd", 3);
    Link(outside.Root(), "bob/link");
    users.Write("LC.pzl", "cyd");
    Open();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"cyd", "bob", "ann"}));
    ClickRow(1);
    EXPECT_EQ(ClickDelete(), PROFILE::kPlayerChanged);
    EXPECT_TRUE(profile->IsWindowOpen());
    EXPECT_FALSE(Exists("bob"));
    EXPECT_EQ(outside.Read("keep.txt"), "kept");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"cyd", "ann"}));
    EXPECT_EQ(Window().SelectedName(), "ann");
    EXPECT_EQ(profile->GetName(), "ann");
    EXPECT_EQ(LastPlayer(), "ann");
    EXPECT_TRUE(IsFolder("cyd"));
}

TEST_F(PlayerWindowTest, DeletingTheOnlyPlayerLeavesTheDefaultNameSelectedWithAFolder) {
    MakePlayer("ann", 5);
    users.Write("LC.pzl", "ann");
    Open();
    EXPECT_EQ(ClickDelete(), PROFILE::kPlayerChanged);
    EXPECT_FALSE(Exists("ann"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Player"}));
    EXPECT_EQ(profile->GetName(), "Player");
    EXPECT_TRUE(Exists("Player/set.bin"));
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 0u);
}

TEST_F(PlayerWindowTest, DrawsHeaderRowsAndCaptionsAndTheDialogOnlyWhileTyping) {
    MakePlayer("ann", 1);
    g_fonts[1] = font.get();
    Open();
    render->ClearRecordedDraws();
    profile->DrawWindow();
    EXPECT_EQ(DrawnText(*font),
              "profiles_txt_header1Player2annprofiles_btn_player_addprofiles_btn_player_delete");
    ClickAdd();
    render->ClearRecordedDraws();
    profile->DrawWindow();
    EXPECT_NE(DrawnText(*font).find("profiles_dlg_enter"), std::string::npos);
}

TEST_F(PlayerWindowTest, TheWindowFollowsTheScreenCentre) {
    Open();
    game->Centre = {612, 434};
    profile->LayoutWindow();
    EXPECT_EQ(ClickAt(492, 524), PROFILE::kWindowOpen);  // where OK was
    EXPECT_EQ(ClickAt(592, 574), PROFILE::kPlayerChanged);
}

}  // namespace
