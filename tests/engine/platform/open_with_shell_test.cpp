// OpenWithShell hands the path to xdg-open as one argument, untouched by any shell.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "engine/platform/platform.h"

namespace {

namespace fs = std::filesystem;

TEST(OpenWithShellTest, PassesTheWholePathAsOneArgument) {
    fs::path bin = fs::temp_directory_path() / ("fake_opener_" + std::to_string(getpid()));
    fs::create_directories(bin);
    fs::path record = bin / "opened.txt";
    {
        // Writes its argument count and arguments, then renames the file into place so the
        // test never reads a half-written record.
        std::ofstream script(bin / "xdg-open");
        script << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << record.string() << ".part'\nmv '"
               << record.string() << ".part' '" << record.string() << "'\n";
    }
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin.string() + ":" + old_path).c_str(), 1);

    const std::string hostile = "/tmp/my pictures/$(touch pwned); 'quoted'.url";
    platform::OpenWithShell(hostile);
    setenv("PATH", old_path.c_str(), 1);

    // The opener runs detached; its record appears shortly.
    for (int i = 0; i < 500 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(record);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1\n" + hostile + "\n");
    EXPECT_FALSE(fs::exists("pwned"));
    fs::remove_all(bin);
}

}  // namespace
