// Reading pzls.xml: categories and entries in file order, and the bad files, categories and
// entries that leave the catalogue smaller or empty instead of breaking it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/shell/catalogue_reader.h"
#include "tests/game/shell/catalogue_fixture.h"

namespace {

// Entries with their pictures and thumbnails, and pzls.xml, written per test.
class CatalogueReaderTest : public CatalogueTest {
  protected:
    // A catalogue entry element whose picture (w x h) and thumbnail (a quarter of that) exist.
    std::string GoodEntry(const std::string& name, int w = 160, int h = 120,
                          const std::string& extra = "amount=\"12\"") {
        Image(w, h, 0xFF336699, kPictures + name + ".png");
        Image(w / 4, h / 4, 0xFF996633, kThumbnails + name + "_s.png");
        return EntryElement(name, extra);
    }
    static std::string EntryElement(const std::string& name, const std::string& extra = "") {
        return "<p adrFm=\"" + name + ".png\" adrSm=\"" + name + "_s.png\" " + extra + "/>";
    }
    void WriteCatalogue(const std::string& text) {
        WFILE_SYSTEM::WriteStream(FolderPath(kCatalogueFile), text.data(), text.size());
    }
    std::vector<std::unique_ptr<PUZZLE_CATEGORY>> Load() {
        return LoadFramesList(kCatalogueFile, kScreenW, kScreenH);
    }
};

TEST_F(CatalogueReaderTest, CategoriesAndEntriesComeInFileOrderWhateverTheirNames) {
    const std::string landscape = GoodEntry("hills", 160, 120, "amount=\"12\" rot=\"true\"");
    const std::string portrait = GoodEntry("tower", 120, 160, "amount=\"20\"");
    const std::string no_amount = GoodEntry("lake", 160, 120);
    WriteCatalogue("<?xml version=\"1.0\"?>\n<!-- tabs -->\n<book>\n  <nature>" + landscape +
                   "text between entries" + portrait +
                   "</nature>\n  text between categories\n  <city>" + no_amount +
                   "</city>\n</book>\n");
    const auto categories = Load();
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0]->name_index, 0);
    EXPECT_EQ(categories[1]->name_index, 1);
    ASSERT_EQ(categories[0]->EntryCount(), 2);
    ASSERT_EQ(categories[1]->EntryCount(), 1);

    const FRAME& hills = categories[0]->Entry(0);
    EXPECT_EQ(hills.picture, "hills.png");
    EXPECT_EQ(hills.thumbnail, "hills_s.png");
    EXPECT_TRUE(hills.rot);
    EXPECT_EQ(hills.columns, 4);
    EXPECT_EQ(hills.rows, 3);
    EXPECT_EQ(hills.label.PieceCount(), 12);
    EXPECT_TRUE(hills.save_file.empty());

    const FRAME& tower = categories[0]->Entry(1);
    EXPECT_FALSE(tower.rot);
    EXPECT_EQ(tower.columns, 4);  // 20 pieces on 3:4 give 4 x 5
    EXPECT_EQ(tower.rows, 5);
    EXPECT_EQ(tower.Min, 4);

    EXPECT_EQ(categories[1]->Entry(0).amount, 12);  // no amount means 12
    // Laid out for the screen while reading.
    EXPECT_NEAR(hills.pos.x, 270.2f, 0.01f);
    EXPECT_FLOAT_EQ(hills.DrawnWidth(), 103.0f);
}

TEST_F(CatalogueReaderTest, AMissingOrBrokenFileGivesNoCategories) {
    const std::string entry = GoodEntry("hills");
    const struct {
        const char* name;
        std::string text;  // empty name: no file at all
    } cases[] = {
        {"no file", ""},
        {"empty file", " "},
        {"not XML", "pictures: hills, lake"},
        {"cut short", "<book><nature>" + entry.substr(0, 20)},
        {"two roots", "<book/><book><nature>" + entry + "</nature></book>"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11)},
        {"a root without categories", "<book/>"},
        {"categories without entries", "<book><nature/><city> </city></book>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(FolderPath(kCatalogueFile));
        if (!c.text.empty()) {
            WriteCatalogue(c.text);
        }
        EXPECT_TRUE(Load().empty());
    }
}

TEST_F(CatalogueReaderTest, EntriesWithoutPictureOrThumbnailAreLeftOut) {
    const std::string good = GoodEntry("hills");
    GoodEntry("no_picture");
    std::filesystem::remove(FolderPath(std::string(kPictures) + "no_picture.png"));
    GoodEntry("no_thumbnail");
    std::filesystem::remove(FolderPath(std::string(kThumbnails) + "no_thumbnail_s.png"));
    GoodEntry("broken_thumbnail");
    WFILE_SYSTEM::WriteStream(FolderPath(std::string(kThumbnails) + "broken_thumbnail_s.png"),
                              "not a png", 9);
    WriteCatalogue(
        "<book>"
        "<nature>" +
        EntryElement("no_picture") + good + EntryElement("no_thumbnail") +
        EntryElement("broken_thumbnail") + "<p/><p adrFm=\"\" adrSm=\"\"/></nature>" + "<empty>" +
        EntryElement("no_picture") + "</empty>" + "<city>" + good + "</city></book>");
    const auto categories = Load();
    ASSERT_EQ(categories.size(), 2u);
    ASSERT_EQ(categories[0]->EntryCount(), 1);
    EXPECT_EQ(categories[0]->Entry(0).picture, "hills.png");
    // The surviving entry takes the first slot.
    EXPECT_NEAR(categories[0]->Entry(0).pos.x, 270.2f, 0.01f);
    // A category left empty is dropped; the next one keeps its caption.
    EXPECT_EQ(categories[1]->name_index, 2);
}

TEST_F(CatalogueReaderTest, ThePictureCheckFailsForAPictureThatDoesNotDecode) {
    WriteCatalogue("<book><nature>" + GoodEntry("hills") + GoodEntry("lake") + "</nature></book>");
    const auto categories = Load();
    ASSERT_EQ(categories.size(), 1u);
    ASSERT_EQ(categories[0]->EntryCount(), 2);
    WFILE_SYSTEM::WriteStream(FolderPath(std::string(kPictures) + "lake.png"), "\x89PNG", 4);
    EXPECT_TRUE(categories[0]->Entry(0).PictureLoads());
    EXPECT_FALSE(categories[0]->Entry(1).PictureLoads());
}

}  // namespace
