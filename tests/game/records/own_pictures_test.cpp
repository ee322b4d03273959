// The player's own pictures: which files of the Pictures folder are listed, hostile entries left
// out without a hang, and the stamp that accepts only an own picture's file.
#include "game/records/own_pictures.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace {

class OwnPicturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = scratch.Path("Pictures");
        for (const char* name :
             {"b.jpg", "A.PNG", "c.Jpeg", "notes.txt", ".hidden.png", "trip/x.png",
              "trip/deeper/too_deep.png", ".cache/y.png", "zero.png", "camera.jpg/inside.jpg"}) {
            scratch.Write("Pictures/" + std::string(name),
                          name == std::string("zero.png") ? "" : "data");
        }
        scratch.Write("elsewhere.png", "data");
        symlink("loop.jpg", (folder + "/loop.jpg").c_str());
        symlink((scratch.Root() + "/elsewhere.png").c_str(), (folder + "/link.png").c_str());
        symlink(scratch.Root().c_str(), (folder + "/linked_folder").c_str());
        mkfifo((folder + "/pipe.png").c_str(), 0600);
    }

    SCRATCH_FOLDER scratch;
    std::string folder;
};

TEST_F(OwnPicturesTest, ListsRegularPicturesOfTheFolderAndItsFirstSubFolders) {
    // No links (a loop, a file or a folder outside), no pipe, no hidden name, nothing two levels
    // down; a folder named like a picture is a sub-folder. A 0-byte file is listed: whether it
    // decodes is for the thumbnails to find out.
    const std::vector<std::string> expected = {
        folder + "/A.PNG",
        folder + "/b.jpg",
        folder + "/c.Jpeg",
        folder + "/zero.png",
        folder + "/camera.jpg/inside.jpg",
        folder + "/trip/x.png",
    };
    EXPECT_EQ(ListOwnPictures(folder), expected);
}

TEST_F(OwnPicturesTest, AFolderThatCannotBeReadListsNothing) {
    EXPECT_TRUE(ListOwnPictures(scratch.Path("missing")).empty());
    EXPECT_TRUE(ListOwnPictures("").empty());
    EXPECT_TRUE(ListOwnPictures(folder + "/b.jpg").empty());
}

TEST_F(OwnPicturesTest, OnlyAnOwnPicturesFileHasAStamp) {
    const struct {
        std::string path;
        bool accepted;
    } cases[] = {
        {folder + "/b.jpg", true},
        {folder + "/trip/x.png", true},
        {folder + "/zero.png", true},
        {folder + "/notes.txt", false},
        {folder + "/.hidden.png", false},
        {folder + "/.cache/y.png", false},
        {folder + "/trip/deeper/too_deep.png", false},
        {folder + "/trip/../b.jpg", false},
        {folder + "/./b.jpg", false},
        {folder + "//b.jpg", false},
        {folder + "/link.png", false},
        {folder + "/loop.jpg", false},
        {folder + "/pipe.png", false},
        {folder + "/linked_folder/elsewhere.png", false},
        {folder + "/gone.png", false},
        {scratch.Path("elsewhere.png"), false},
        {folder + "x/b.jpg", false},
        {"b.jpg", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OwnPictureStamp(folder, c.path).has_value(), c.accepted) << c.path;
    }
    EXPECT_FALSE(OwnPictureStamp("", folder + "/b.jpg").has_value());
}

TEST_F(OwnPicturesTest, TheStampChangesWithTheFilesSizeOrTime) {
    const std::string path = folder + "/b.jpg";
    const PICTURE_STAMP before = *OwnPictureStamp(folder, path);
    EXPECT_EQ(before.size, 4);
    scratch.Write("Pictures/b.jpg", "dat2");
    const std::filesystem::file_time_type later =
        std::filesystem::last_write_time(path) + std::chrono::seconds(5);
    std::filesystem::last_write_time(path, later);
    const PICTURE_STAMP touched = *OwnPictureStamp(folder, path);
    EXPECT_EQ(touched.size, before.size);
    EXPECT_NE(touched, before);
    scratch.Write("Pictures/b.jpg", "longer data");
    EXPECT_EQ(OwnPictureStamp(folder, path)->size, 11);
}

}  // namespace
