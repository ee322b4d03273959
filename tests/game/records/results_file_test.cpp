// The results file: appending, reading it back whatever it holds, keeping a damaged file, and
// surviving a crash in the middle of a save (with "set.bin" alongside).
#include "game/records/results_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "game/records/player_settings.h"
#include "tests/support/killed_writer.h"
#include "tests/support/scratch_folder.h"

namespace {

class DETACHED_FRAME : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override { return {1024, 768, 1024 * 768, 1920, 1080, false}; }
    void WriteConfiguration(int, int, bool) override {}
};

class ResultsFileTest : public ::testing::Test {
  protected:
    std::string Path() const { return folder_.Path("Progress.xml"); }
    std::string Read(const std::string& name = "Progress.xml") const { return folder_.Read(name); }
    void Write(const std::string& bytes) const { folder_.Write("Progress.xml", bytes); }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder_.Path(name));
    }
    static RESULT_ENTRY Result(const char* face, int score) {
        return {face, score, 12, true, 300.25};
    }

    SCRATCH_FOLDER folder_;
};

TEST_F(ResultsFileTest, EachFinishedGameAppendsOneElementWithItsFiveAttributes) {
    ASSERT_EQ(AppendResult(Path(), Result("a.jpg", 150)), 1);
    ASSERT_EQ(AppendResult(Path(), Result("a.jpg", 320)), 1);

    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(Read().c_str()));
    std::vector<std::string> names;
    for (pugi::xml_attribute a : document.child("root").first_child().attributes()) {
        names.push_back(a.name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"face", "score", "count", "rotata", "time"}));
    EXPECT_NE(Read().find("\n\t<element"), std::string::npos) << "indented with tabs";

    // The same picture twice gives two elements with the same face, in finishing order.
    const std::vector<RESULT_ENTRY> results = ReadResults(Path());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].face, "a.jpg");
    EXPECT_EQ(results[1].face, "a.jpg");
    EXPECT_EQ(results[0].score, 150);
    EXPECT_EQ(results[1].score, 320);
    EXPECT_EQ(results[1].count, 12);
    EXPECT_DOUBLE_EQ(results[1].time, 300.25);
}

TEST_F(ResultsFileTest, TheReaderTakesWhateverTheFileHolds) {
    const double kBig = std::numeric_limits<double>::max();
    struct CASE {
        const char* what;
        const char* bytes;
        bool parses;
        size_t rows;
        double first_time;
    } cases[] = {
        {"empty", "", false, 0, 0.0},
        {"not XML", "\x01\xff<<", false, 0, 0.0},
        {"no root", "<results><element score=\"1\"/></results>", false, 0, 0.0},
        {"an empty root", "<root/>", true, 0, 0.0},
        {"text and comments between rows",
         "<root>x<!-- c --><element time=\"5\"/><other time=\"6\"/></root>", true, 2, 5.0},
        {"no attributes", "<root><element/></root>", true, 1, 0.0},
        {"a negative time", "<root><element time=\"-7\"/></root>", true, 1, 0.0},
        {"a time that is no number", "<root><element time=\"nan\"/></root>", true, 1, 0.0},
        {"an endless time", "<root><element time=\"1e999\"/></root>", true, 1, 0.0},
        {"the largest time", "<root><element time=\"1.7976931348623157e308\"/></root>", true, 1,
         kBig},
    };
    for (const CASE& c : cases) {
        const auto results = ParseResults(c.bytes);
        ASSERT_EQ(results.has_value(), c.parses) << c.what;
        if (results) {
            ASSERT_EQ(results->size(), c.rows) << c.what;
            if (c.rows > 0) {
                EXPECT_EQ(results->front().time, c.first_time) << c.what;
            }
        }
    }
    // Huge counts saturate instead of wrapping round.
    const auto huge =
        ParseResults("<root><element score=\"99999999999\" count=\"-99999999999\"/></root>");
    ASSERT_TRUE(huge && huge->size() == 1);
    EXPECT_EQ(huge->front().score, std::numeric_limits<int>::max());
    EXPECT_EQ(huge->front().count, std::numeric_limits<int>::min());
    EXPECT_TRUE(ReadResults(folder_.Path("missing.xml")).empty());
}

TEST_F(ResultsFileTest, ADamagedFileIsKeptAsideBeforeAFreshOneStarts) {
    const std::string damaged = "<root><element score=\"10\"";  // cut off
    Write(damaged);
    ASSERT_EQ(AppendResult(Path(), Result("b.jpg", 40)), 1);
    EXPECT_EQ(Read("Progress.xml.damaged"), damaged);
    ASSERT_EQ(ReadResults(Path()).size(), 1u);

    // A second damaged file does not take the first one's place.
    Write("garbage");
    ASSERT_EQ(AppendResult(Path(), Result("c.jpg", 50)), 1);
    EXPECT_EQ(Read("Progress.xml.damaged"), damaged);
    EXPECT_EQ(Read("Progress.xml.damaged2"), "garbage");
    ASSERT_EQ(ReadResults(Path()).size(), 1u);
    EXPECT_EQ(ReadResults(Path()).front().face, "c.jpg");
}

TEST_F(ResultsFileTest, ACrashInTheMiddleOfASaveLeavesTheOldFilesWhole) {
    ASSERT_EQ(AppendResult(Path(), Result("a.jpg", 150)), 1);
    const std::string results_before = Read();
    PUZZLE_PLAYER_PROFILE settings;
    DETACHED_FRAME frame;
    settings.jigsaw_master = 1234;
    ASSERT_EQ(SaveSettings(settings, folder_.Root(), frame), 1);
    const std::string settings_before = Read("set.bin");

    // Each save is killed once half of what it writes is out.
    EXPECT_TRUE(KilledWhileWriting([&] { AppendResult(Path(), Result("b.jpg", 999)); },
                                   results_before.size() / 2));
    EXPECT_TRUE(KilledWhileWriting(
        [&] {
            settings.jigsaw_master = 99;
            SaveSettings(settings, folder_.Root(), frame);
        },
        PUZZLE_PLAYER_PROFILE::kFileSize / 2));
    EXPECT_EQ(Read(), results_before);
    EXPECT_EQ(Read("set.bin"), settings_before);

    // The next save goes through, over what the crash left behind.
    ASSERT_EQ(AppendResult(Path(), Result("b.jpg", 999)), 1);
    EXPECT_EQ(ReadResults(Path()).size(), 2u);
}

}  // namespace
