// A scratch HOME whose data home does not exist yet, so frame tests never touch the real
// per-user files and see the folders made as on a new account.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/scratch_folder.h"

class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("HOME", home_.Root().c_str(), 1);
        ::setenv("XDG_DATA_HOME", data_home_.c_str(), 1);
    }

    SCRATCH_FOLDER home_;
    const std::string data_home_ = home_.Path(".local/share");
};
