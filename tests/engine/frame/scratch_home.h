// A scratch HOME with a Documents folder, so frame tests never touch the real per-user files.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/pd_home_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        home_ = pattern;
        documents_ = home_ + "/Documents";
        ::mkdir(documents_.c_str(), 0755);
        ::setenv("HOME", home_.c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", documents_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteFile(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::string home_;
    std::string documents_;
};
