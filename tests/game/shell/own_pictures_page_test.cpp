// The book's category of the player's own pictures: photos made into thumbnails off the main
// thread and kept in the cache, hostile files left out, and a game of an own picture saved,
// resumed, and refused once its file changed.
#include "game/shell/own_pictures_page.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "engine/platform/virtual_keys.h"
#include "engine/render/render_device.h"
#include "engine/text/strings.h"
#include "game/board/picture_tier.h"
#include "game/board/pieces_system.h"
#include "game/board/save_file.h"
#include "game/shell/saves_list.h"
#include "image.h"
#include "tests/game/shell/shell_fixture.h"
#include "tests/support/jpeg_exif.h"
#include "tests/support/png_bytes.h"

namespace GAME {
namespace {

namespace fs = std::filesystem;

// Frames a test waits at most for the worker; far more than a few small photos take.
constexpr int kMostFrames = 20000;

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class OwnPicturesPageTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        pictures = FolderPath("Pictures");
        fs::create_directories(pictures + "/trip");
        WriteJpeg("beach.jpg", 640, 480, 1);
        WriteJpeg("tower.jpg", 640, 480, 6);  // taken sideways: upright it is 480 x 640
        Write("trip/lake.png", png_bytes::SolidPng(300, 200, 0xFF3388CC));
        // What a Pictures folder may also hold.
        Write("truncated.jpg", ReadAll(pictures + "/beach.jpg").substr(0, 600));
        Write("empty.png", "");
        std::string huge_header;
        png_bytes::PutBigEndian32(huge_header, 100000);
        png_bytes::PutBigEndian32(huge_header, 100000);
        huge_header += std::string("\x08\x06\x00\x00\x00", 5);
        Write("huge.png",
              "\x89PNG\r\n\x1A\n" + png_bytes::Chunk("IHDR", huge_header) +
                  png_bytes::Chunk("IDAT", png_bytes::ImageData(
                                               4, 4, false, [](int, int) { return 0xFFFFFFFFu; })) +
                  png_bytes::Chunk("IEND", ""));
        fs::create_directories(pictures + "/folder.jpg");
        symlink("loop.png", (pictures + "/loop.png").c_str());
        mkfifo((pictures + "/pipe.jpg").c_str(), 0600);
        Restart();
    }

    void WriteJpeg(const std::string& name, int width, int height, int orientation) {
        image_io::IMAGE image(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint8_t* p = image.At(x, y);
                p[0] = static_cast<uint8_t>(x * 255 / width);
                p[1] = static_cast<uint8_t>(y * 255 / height);
                p[2] = 0x60;
                p[3] = 0xFF;
            }
        }
        std::string error;
        const std::string plain = FolderPath("plain.jpg");
        ASSERT_TRUE(image_io::WriteJpeg(plain, image, 90, error)) << error;
        Write(name, jpeg_exif::WithOrientation(ReadAll(plain), orientation));
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(pictures + "/" + name, std::ios::binary) << bytes;
    }
    void Restart() {
        puzzle.reset();
        puzzle = std::make_unique<PUZZLE>();
        Step();
        Settings().help_pages = false;
    }
    OWN_PICTURES_PAGE& Page() { return puzzle->OwnPictures(); }
    // Menu frames until every picture has been answered and the page shows shown thumbnails.
    void WaitForThumbnails(int shown) {
        for (int frame = 0; frame < kMostFrames; ++frame) {
            if (Page().ScanDone() && Page().ThumbnailsShown() >= shown) {
                return;
            }
            Step();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        FAIL() << "the thumbnails never came";
    }
    std::string CacheFolder() const { return FolderPath("cache/puzzle-desk/thumbnails"); }
    int CachedThumbnails() const {
        std::error_code missing;
        const auto files = fs::directory_iterator(CacheFolder(), missing);
        return missing ? 0 : static_cast<int>(std::distance(fs::begin(files), fs::end(files)));
    }
    std::string PlayerFolder() const { return root + "Tester/"; }

    std::string pictures;
};

TEST_F(OwnPicturesPageTest, ListsThePhotosThatDecodeAndLeavesTheRestOut) {
    WaitForThumbnails(3);
    ASSERT_EQ(Page().EntryCount(), 3);
    // Listing order: the folder's own pictures, then its sub-folders'.
    const struct {
        const char* name;
        bool portrait;
    } expected[] = {{"beach.jpg", false}, {"tower.jpg", true}, {"trip/lake.png", false}};
    for (int i = 0; i < 3; ++i) {
        const FRAME& entry = Page().Entry(i);
        EXPECT_EQ(entry.picture, pictures + "/" + expected[i].name);
        EXPECT_TRUE(entry.own_picture);
        EXPECT_EQ(entry.GetHeight() > entry.GetWidth(), expected[i].portrait) << entry.picture;
        EXPECT_EQ(entry.rows > entry.columns, expected[i].portrait) << entry.picture;
        EXPECT_NEAR(entry.amount, FRAME::kOwnPictureAmount, 6) << entry.picture;
        EXPECT_NE(entry.GetTexture(), render->GetDefaultTexture()) << entry.picture;
        EXPECT_LE(std::max(entry.GetWidth(), entry.GetHeight()), kThumbnailSide);
    }
    // Thumbnails are kept in the cache, never among the players' folders.
    EXPECT_EQ(CachedThumbnails(), 3);
    EXPECT_FALSE(fs::exists(PlayerFolder() + "thumbnails"));
    // The category comes after the catalogue's.
    puzzle->SelectPage(puzzle->CategoryCount());
    EXPECT_EQ(puzzle->CurrentCategory(), &Page());
}

TEST_F(OwnPicturesPageTest, ANewStartReadsTheCacheUntilThePhotoChanges) {
    WaitForThumbnails(3);
    const std::string beach = Page().Entry(0).thumbnail;
    ASSERT_TRUE(IsCachedThumbnail(beach));
    // A marked thumbnail shows that the next start reads the cache, not the photo.
    std::ofstream(beach, std::ios::binary) << png_bytes::SolidPng(64, 48, 0xFFFF00FF);
    Restart();
    WaitForThumbnails(3);
    WTEXTURE* texture = Page().Entry(0).GetTexture();
    EXPECT_EQ(render->LockTexture(texture)[0], 0xFFFF00FFu);

    const fs::path photo = pictures + "/beach.jpg";
    fs::last_write_time(photo, fs::last_write_time(photo) + std::chrono::seconds(10));
    Restart();
    WaitForThumbnails(3);
    EXPECT_NE(Page().Entry(0).thumbnail, beach);
    EXPECT_NE(render->LockTexture(Page().Entry(0).GetTexture())[0], 0xFFFF00FFu);
}

TEST_F(OwnPicturesPageTest, AFolderThatCannotBeReadGivesAnEmptyCategory) {
    setenv("XDG_PICTURES_DIR", FolderPath("no such folder").c_str(), 1);
    Restart();
    WaitForThumbnails(0);
    EXPECT_EQ(Page().EntryCount(), 0);
    puzzle->SelectPage(puzzle->CategoryCount());
    puzzle->Play();
    EXPECT_EQ(puzzle->State(), PUZZLE::kMenu);
    unsetenv("XDG_PICTURES_DIR");
}

TEST_F(OwnPicturesPageTest, AGameOfAnOwnPictureSavesResumesAndIsRefusedOnceItsFileChanged) {
    WaitForThumbnails(3);
    puzzle->SelectPage(puzzle->CategoryCount());
    puzzle->Play();
    ASSERT_EQ(puzzle->State(), PUZZLE::kPlaying);
    Step();  // builds the pieces
    PUZZLE_PIECES_SYSTEM& board = *puzzle->Board();
    const std::string photo = pictures + "/beach.jpg";
    EXPECT_EQ(board.picture_path, photo);
    EXPECT_TRUE(board.pack_name.empty());
    EXPECT_EQ(board.cols * board.rows, Page().Entry(0).amount);
    // A 1024 x 768 screen takes the low tier: the 640 x 480 photo is cut as it is.
    const PICTURE_TIER low = PictureTierFor(1024, 768);
    EXPECT_EQ(board.tier_width, low.max_width);
    EXPECT_EQ(render->GetTextureWidth(board.picture->GetTexture()), 640);
    board.counters.regSc = 40;
    board.counters.regCg = 3;
    puzzle->OpenQuitQuestion();
    Press(VK_RETURN);
    Press(VK_RETURN);  // "save"
    ASSERT_EQ(puzzle->State(), PUZZLE::kMenu);

    const std::string save = PlayerFolder() + "save1.pzl";
    const std::optional<SAVED_PUZZLE> saved = ParseSaveFile(save);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->ImgAdr, photo);
    EXPECT_EQ(saved->ImgSmAdr, Page().Entry(0).thumbnail);
    EXPECT_EQ(saved->ImgSize, static_cast<int64_t>(fs::file_size(photo)));
    EXPECT_EQ(saved->ImgTierW, low.max_width);
    EXPECT_EQ(saved->ImgTierH, low.max_height);

    // The saved-games page shows the photo's thumbnail from the cache, and resumes the game.
    puzzle->SelectPage(puzzle->SavesPage());
    ASSERT_EQ(puzzle->Saves().EntryCount(), 1);
    EXPECT_TRUE(puzzle->Saves().Entry(0).own_picture);
    EXPECT_NE(puzzle->Saves().Entry(0).GetTexture(), render->GetDefaultTexture());
    Press(VK_RETURN);
    ASSERT_EQ(puzzle->State(), PUZZLE::kPlaying);
    const PUZZLE_PIECES_SYSTEM& resumed = *puzzle->Board();
    ASSERT_EQ(resumed.Grid().size(), saved->pieces.size());
    for (size_t i = 0; i < saved->pieces.size(); ++i) {
        EXPECT_EQ(resumed.Grid()[i]->X(), saved->pieces[i].posx) << i;
        EXPECT_EQ(resumed.Grid()[i]->Y(), saved->pieces[i].posy) << i;
    }
    EXPECT_EQ(resumed.counters.regSc, 40);
    puzzle->OpenQuitQuestion();
    Press(VK_RETURN);
    Press(VK_RETURN);
    ASSERT_EQ(puzzle->State(), PUZZLE::kMenu);

    // The photo edited (same name, other bytes), or gone: the game is shown, refused, and kept.
    for (const bool gone : {false, true}) {
        if (gone) {
            fs::remove(photo);
        } else {
            std::ofstream(photo, std::ios::binary | std::ios::app) << "edited";
        }
        puzzle->RefreshSaves();
        puzzle->SelectPage(puzzle->SavesPage());
        ASSERT_EQ(puzzle->Saves().EntryCount(), 1);
        Press(VK_RETURN);
        EXPECT_EQ(puzzle->State(), PUZZLE::kMenu) << gone;
        EXPECT_EQ(puzzle->Saves().Refusal(), g_texts.menu_txt_picture_changed) << gone;
        EXPECT_TRUE(fs::exists(save)) << gone;
    }
}

}  // namespace
}  // namespace GAME
