// A scratch HOME with a Documents folder, so frame tests never touch the real per-user files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(documents_);
        ::setenv("HOME", home_.Root().c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", documents_.c_str(), 1);
    }

    SCRATCH_FOLDER home_;
    const std::string documents_ = home_.Path("Documents");
};
