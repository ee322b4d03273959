// The autosave: its writer thread (newest text wins, a removal is never undone by a write in
// flight) and the game's own file (never a save the player made or loaded, nor another game's
// autosave), due after a minute of play.
#include "game/shell/autosave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace GAME {
namespace {

namespace fs = std::filesystem;

TEST(AutosaveWriterTest, TheNewestTextIsWrittenWhole) {
    SCRATCH_FOLDER folder;
    const std::string path = folder.Path("autosave1.pzl");
    AUTOSAVE_WRITER writer;
    for (int i = 0; i < 50; ++i) {
        writer.Write(path, std::string(10000, static_cast<char>('a' + i % 26)) + std::to_string(i));
    }
    writer.Flush();
    EXPECT_EQ(folder.Read("autosave1.pzl"), std::string(10000, 'a' + 49 % 26) + "49");
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST(AutosaveWriterTest, ARemovalIsNeverUndoneByAQueuedWrite) {
    SCRATCH_FOLDER folder;
    const std::string path = folder.Path("autosave1.pzl");
    const std::string other = folder.Write("save1.pzl", "the player's");
    AUTOSAVE_WRITER writer;
    for (int round = 0; round < 20; ++round) {
        writer.Write(path, std::string(100000, 'x'));
        writer.Remove(path);
        EXPECT_FALSE(fs::exists(path)) << round;
        writer.Flush();
        EXPECT_FALSE(fs::exists(path)) << round;
    }
    EXPECT_EQ(folder.Read("save1.pzl"), "the player's");
}

TEST(AutosaveWriterTest, AWriteQueuedAtTheEndIsFinished) {
    SCRATCH_FOLDER folder;
    {
        AUTOSAVE_WRITER writer;
        writer.Write(folder.Path("autosave1.pzl"), "last");
    }
    EXPECT_EQ(folder.Read("autosave1.pzl"), "last");
}

class AutosaveTest : public ::testing::Test {
  protected:
    // Writes and waits for the file.
    void WriteNow(const std::string& text) {
        autosave_.Write(text);
        autosave_.Flush();
    }
    std::string Folder() const { return folder_.Root() + "/"; }

    SCRATCH_FOLDER folder_;
    AUTOSAVE autosave_;
};

TEST_F(AutosaveTest, ANewGameTakesAFileOfItsOwnAndRemovesOnlyThat) {
    folder_.Write("save1.pzl", "the player's");
    folder_.Write("autosave1.pzl", "a game cut short");
    autosave_.Begin(Folder());
    EXPECT_EQ(autosave_.Path(), "") << "named at the first autosave";
    WriteNow("first");
    WriteNow("second");
    EXPECT_EQ(autosave_.Path(), folder_.Path("autosave2.pzl"));
    EXPECT_EQ(folder_.Read("autosave2.pzl"), "second");

    autosave_.Discard();
    EXPECT_FALSE(fs::exists(folder_.Path("autosave2.pzl")));
    EXPECT_EQ(folder_.Read("save1.pzl"), "the player's");
    EXPECT_EQ(folder_.Read("autosave1.pzl"), "a game cut short");
}

struct RESUME_CASE {
    const char* name;
    const char* resumed;     // the file the game came from
    const char* written_to;  // the autosave that file's game writes
};

constexpr RESUME_CASE kResumes[] = {
    {"an autosave goes on being the game's own", "autosave1.pzl", "autosave1.pzl"},
    {"a player's save is never written over", "save1.pzl", "autosave2.pzl"},
};

TEST_F(AutosaveTest, AResumedGameWritesItsAutosaveButNeverThePlayersSave) {
    for (const RESUME_CASE& c : kResumes) {
        SCOPED_TRACE(c.name);
        folder_.Write("save1.pzl", "the player's");
        folder_.Write("autosave1.pzl", "a game cut short");
        autosave_.Resume(Folder(), folder_.Path(c.resumed));
        WriteNow("played on");
        EXPECT_EQ(folder_.Read(c.written_to), "played on");
        EXPECT_EQ(folder_.Read("save1.pzl"), "the player's");
        autosave_.Discard();
        EXPECT_FALSE(fs::exists(folder_.Path(c.written_to)));
        fs::remove(folder_.Path("autosave1.pzl"));
    }
}

TEST_F(AutosaveTest, DueAfterEveryMinuteOfPlay) {
    autosave_.Begin(Folder());
    int due = 0;
    // Five minutes of frames of a 60th of a second: five autosaves, one a minute.
    for (int frame = 0; frame < 5 * 60 * 60 + 30; ++frame) {
        due += autosave_.Tick(1.0f / 60.0f) ? 1 : 0;
    }
    EXPECT_EQ(due, 5);

    // An autosave made meanwhile (the window lost focus) starts the next minute afresh.
    autosave_.Begin(Folder());
    EXPECT_FALSE(autosave_.Tick(50.0f));
    WriteNow("focus lost");
    EXPECT_FALSE(autosave_.Tick(50.0f));
    EXPECT_TRUE(autosave_.Tick(10.0f));
}

TEST_F(AutosaveTest, DiscardingBeforeAnyAutosaveRemovesNothing) {
    folder_.Write("autosave1.pzl", "a game cut short");
    autosave_.Begin(Folder());
    autosave_.Discard();
    EXPECT_TRUE(fs::exists(folder_.Path("autosave1.pzl")));
}

}  // namespace
}  // namespace GAME
