// PROFILE: choosing the player at start, "LC.pzl", switching, player folders, deletion, greeting.
#include "game/shell/profile.h"

#include <filesystem>

#include "tests/game/shell/profile_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST_F(ProfileTest, FirstRunTakesTheDefaultPlayerAndTellsTheShell) {
    users.Write("game.xml", "<config/>");  // the frame writes it before the profile exists
    auto profile = MakeProfile();
    EXPECT_TRUE(profile->IsFirstRun());
    EXPECT_EQ(profile->GetName(), "Player");
    EXPECT_EQ(LastPlayer(), "Player");
    EXPECT_TRUE(IsFolder("Player"));
    EXPECT_TRUE(Exists("Player/set.bin"));
    EXPECT_EQ(profile->GetSettings()->sound_volume, 0.3f);  // the defaults
    EXPECT_FALSE(Exists("LC.pzl.tmp"));
    EXPECT_EQ(profile->PlayerFolder(), users.Path("Player/"));

    // The next start is no first run.
    EXPECT_FALSE(MakeProfile()->IsFirstRun());
}

TEST_F(ProfileTest, AMissingPerUserFolderIsCreatedWithItsParents) {
    const std::string root = users.Path("company/product");
    PROFILE profile(nullptr, root, frame);
    EXPECT_TRUE(profile.IsFirstRun());
    EXPECT_EQ(profile.GetRoot(), root + "/");
    EXPECT_TRUE(IsFolder("company/product/Player"));
    EXPECT_EQ(users.Read("company/product/LC.pzl"), "Player");
}

TEST_F(ProfileTest, TheLastPlayerIsTakenWithTheirSettings) {
    MakePlayer("ann", 77);
    MakePlayer("bob", 5);
    users.Write("LC.pzl", "ann");
    auto profile = MakeProfile();
    EXPECT_FALSE(profile->IsFirstRun());
    EXPECT_EQ(profile->GetName(), "ann");
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 77u);
    EXPECT_FALSE(IsFolder("Player"));
}

TEST_F(ProfileTest, TheLastPlayersMissingFolderIsCreated) {
    users.Write("LC.pzl", "ann");
    auto profile = MakeProfile();
    EXPECT_FALSE(profile->IsFirstRun());
    EXPECT_EQ(profile->GetName(), "ann");
    EXPECT_TRUE(Exists("ann/set.bin"));
}

TEST_F(ProfileTest, AMissingLastPlayerFileWithPlayersAroundIsNoFirstRun) {
    MakePlayer("ann", 1);
    MakePlayer("Player", 42);
    auto profile = MakeProfile();
    EXPECT_FALSE(profile->IsFirstRun());
    EXPECT_EQ(profile->GetName(), "Player");
    EXPECT_EQ(LastPlayer(), "Player");
    // The default player's own record is read, not replaced.
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 42u);
}

TEST_F(ProfileTest, ALastPlayerFileThatNamesNoUsablePlayerGivesTheDefaultAndIsRewritten) {
    SCRATCH_FOLDER outside;
    Link(outside.Root(), "away");
    users.Write("notes", "a file");
    for (const std::string& content :
         {""s, "."s, ".."s, "../../etc"s, "a/b"s, "ann\0bob"s, std::string(300, 'x'), "LC.pzl"s,
          "game.xml"s, "ann\n"s, "away"s, "notes"s}) {
        users.Write("LC.pzl", content);
        auto profile = MakeProfile();
        EXPECT_EQ(profile->GetName(), "Player") << content;
        EXPECT_FALSE(profile->IsFirstRun()) << content;
        EXPECT_EQ(LastPlayer(), "Player") << content;
    }
    EXPECT_TRUE(fs::is_empty(outside.Root()));
    EXPECT_EQ(users.Read("notes"), "a file");
}

TEST_F(ProfileTest, ALastPlayerFileThatIsALinkIsNotFollowedNorWrittenThrough) {
    SCRATCH_FOLDER outside;
    outside.Write("name", "ann");
    MakePlayer("ann", 1);
    Link(outside.Path("name"), "LC.pzl");
    auto profile = MakeProfile();
    EXPECT_EQ(profile->GetName(), "Player");
    EXPECT_EQ(outside.Read("name"), "ann");
    EXPECT_FALSE(fs::is_symlink(users.Path("LC.pzl")));
    EXPECT_EQ(LastPlayer(), "Player");
}

TEST_F(ProfileTest, AnUnusableLocalisedDefaultNameFallsBack) {
    g_texts.profiles_txt_default_name = "../Player";
    auto profile = MakeProfile();
    EXPECT_EQ(profile->GetName(), PROFILE::kFallbackName);
    EXPECT_TRUE(IsFolder(PROFILE::kFallbackName));
}

TEST_F(ProfileTest, SwitchToRewritesTheLastPlayerAndReadsTheirSettings) {
    MakePlayer("bob", 9);
    auto profile = MakeProfile();
    EXPECT_EQ(profile->SwitchTo("bob"), 1);
    EXPECT_EQ(profile->GetName(), "bob");
    EXPECT_EQ(LastPlayer(), "bob");
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 9u);

    EXPECT_EQ(profile->SwitchTo("cyd"), 1);
    EXPECT_TRUE(Exists("cyd/set.bin"));
    EXPECT_EQ(profile->GetSettings()->jigsaw_master, 0u);

    profile->GetSettings()->jigsaw_master = 12;
    EXPECT_EQ(profile->SaveSettings(), 1);
    EXPECT_EQ(profile->SwitchTo("bob"), 1);
    EXPECT_EQ(profile->ScoreOf("cyd"), 12u);
}

TEST_F(ProfileTest, SwitchToARefusedNameChangesNothing) {
    SCRATCH_FOLDER outside;
    Link(outside.Root(), "away");
    auto profile = MakeProfile();
    for (const char* refused : {"", "..", "a/b", "LC.pzl", "away"}) {
        EXPECT_EQ(profile->SwitchTo(refused), -1) << refused;
        EXPECT_EQ(profile->GetName(), "Player");
        EXPECT_EQ(LastPlayer(), "Player");
    }
    EXPECT_TRUE(fs::is_empty(outside.Root()));
}

TEST_F(ProfileTest, DeletingAPlayerNeverReachesOutOfTheirFolder) {
    SCRATCH_FOLDER outside;
    outside.Write("keep/file", "kept");
    outside.Write("keep.txt", "kept");
    MakePlayer("ann", 1);
    users.Write("ann/saves/one.pzl", "save");
    Link(outside.Path("keep"), "ann/folder_link");
    Link(outside.Path("keep.txt"), "ann/file_link");
    Link(outside.Path("keep"), "away");
    MakePlayer("bob", 2);
    auto profile = MakeProfile();

    EXPECT_EQ(profile->DeletePlayer("ann"), 1);
    EXPECT_FALSE(Exists("ann"));
    EXPECT_EQ(outside.Read("keep/file"), "kept");
    EXPECT_EQ(outside.Read("keep.txt"), "kept");

    // A link is no player's folder: neither it nor what it leads to is deleted.
    EXPECT_EQ(profile->DeletePlayer("away"), -1);
    EXPECT_TRUE(fs::is_symlink(users.Path("away")));
    EXPECT_EQ(outside.Read("keep/file"), "kept");

    for (const char* refused : {"", ".", "..", "../", "bob/..", "LC.pzl", "game.xml", "nobody"}) {
        EXPECT_EQ(profile->DeletePlayer(refused), -1) << refused;
    }
    EXPECT_TRUE(Exists("LC.pzl"));
    EXPECT_TRUE(IsFolder("bob"));
    EXPECT_TRUE(fs::exists(users.Root()));
}

TEST_F(ProfileTest, PlayerNamesAreTheRealFoldersWithUsableNames) {
    SCRATCH_FOLDER outside;
    MakePlayer("bob", 1);
    MakePlayer("ann", 1);
    users.Write("game.xml", "<config/>");
    Link(outside.Root(), "away");
    auto profile = MakeProfile();
    EXPECT_EQ(profile->PlayerNames(), (std::vector<std::string>{"Player", "ann", "bob"}));
}

TEST_F(ProfileTest, ScoreOfReadsAnotherPlayerWithoutWritingAnything) {
    MakePlayer("ann", 1234);
    fs::create_directory(users.Path("bob"));
    auto profile = MakeProfile();
    profile->GetSettings()->jigsaw_master = 55;  // not saved yet
    EXPECT_EQ(profile->ScoreOf("ann"), 1234u);
    EXPECT_EQ(profile->ScoreOf("Player"), 55u);
    // Without a settings file a player has no score at all, not a score of 0.
    EXPECT_EQ(profile->ScoreOf("bob"), std::nullopt);
    EXPECT_FALSE(Exists("bob/set.bin"));
    EXPECT_EQ(profile->ScoreOf("../ann"), std::nullopt);
}

TEST_F(ProfileTest, TheGreetingNamesThePlayerWithoutFormattingTheText) {
    auto font = MakeFont();
    auto profile = MakeProfile(font.get());
    const char* const shipped = g_texts.menu_btn_hello;
    for (const auto& [text, shown] : {std::pair{"Hi %s!", "Hi Player!"},
                                      {"%s %s 100%% %d", "Player %s 100% %d"},
                                      {"Hello", "Hello"}}) {
        g_texts.menu_btn_hello = text;
        render->ClearRecordedDraws();
        profile->DrawGreeting(512, 40);
        EXPECT_EQ(DrawnText(*font), shown);
    }
    g_texts.menu_btn_hello = shipped;
}

}  // namespace
