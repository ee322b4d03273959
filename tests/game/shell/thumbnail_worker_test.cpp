// The thumbnail worker's scan: every photo is answered with its shape only, holding no texel
// memory, since the page keeps an answer for every photo of a folder that may hold thousands.
#include "game/shell/thumbnail_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/png_bytes.h"
#include "tests/support/scratch_folder.h"

namespace GAME {
namespace {

TEST(ThumbnailWorkerTest, TheScansAnswersHoldNoTexels) {
    SCRATCH_FOLDER folder;
    const std::string pictures = folder.Path("Pictures");
    std::filesystem::create_directories(pictures);
    for (const char* name : {"a.png", "b.png", "c.png"}) {
        folder.Write(std::string("Pictures/") + name, png_bytes::SolidPng(300, 200, 0xFF3388CC));
    }
    THUMBNAIL_WORKER worker(pictures, folder.Path("cache"));
    std::vector<OWN_THUMBNAIL> answers;
    // Far longer than three small pictures take; the loop ends as soon as they are in.
    for (int wait = 0; wait < 20000 && answers.size() < 3; ++wait) {
        for (OWN_THUMBNAIL& made : worker.Take(8)) {
            answers.push_back(std::move(made));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(answers.size(), 3u);
    for (const OWN_THUMBNAIL& made : answers) {
        EXPECT_TRUE(made.ok) << made.path;
        EXPECT_EQ(made.width, 256);
        EXPECT_EQ(made.argb.capacity(), 0u) << made.path;
    }
}

}  // namespace
}  // namespace GAME
