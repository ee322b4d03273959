// The XDG folders: DataHome and CacheHome from their variables or the home folder, and the
// Pictures folder from its variable, user-dirs.dirs or ~/Pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "engine/platform/platform.h"
#include "engine/platform/user_folders.h"
#include "tests/support/scratch_folder.h"

namespace {

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataHome, TheXdgVariableWhenAbsoluteElseTheHomesLocalShare) {
    struct Case {
        std::optional<std::string> xdg_data_home;
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/players/data", "/srv/players/data"},
        {std::nullopt, "/home/ada/.local/share"},
        {"", "/home/ada/.local/share"},
        {"relative/data", "/home/ada/.local/share"},  // invalid: ignored
    };
    ScopedEnv home("HOME", "/home/ada");
    for (const Case& c : cases) {
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg_data_home);
        EXPECT_EQ(platform::DataHome(), c.expected) << c.xdg_data_home.value_or("(unset)");
    }
}

TEST(CacheHome, TheXdgVariableWhenAbsoluteElseTheHomesCache) {
    ScopedEnv home("HOME", "/home/ada");
    for (const auto& [xdg_cache_home, expected] :
         {std::pair<std::optional<std::string>, std::string>{"/var/cache/ada", "/var/cache/ada"},
          {std::nullopt, "/home/ada/.cache"},
          {"cache", "/home/ada/.cache"}}) {
        ScopedEnv xdg("XDG_CACHE_HOME", xdg_cache_home);
        EXPECT_EQ(platform::CacheHome(), expected) << xdg_cache_home.value_or("(unset)");
    }
}

TEST(PicturesFolder, TheVariableThenUserDirsThenThePicturesOfHome) {
    SCRATCH_FOLDER scratch;
    struct Case {
        std::optional<std::string> variable;
        std::string user_dirs;  // the file's text; empty: no file
        std::string expected;   // relative to the scratch home unless absolute
    };
    const Case cases[] = {
        {"/mnt/photos/", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/mnt/photos"},
        {std::nullopt, "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
         "Bilder"},
        {std::nullopt, "XDG_PICTURES_DIR=\"/srv/shared/images\"\n", "/srv/shared/images"},
        {std::nullopt, "XDG_PICTURES_DIR=\"relative\"\n", "Pictures"},
        {std::nullopt, "XDG_PICTURES_DIR=\"$HOME/unterminated\n", "Pictures"},
        {std::nullopt, "", "Pictures"},
        {"relative/photos", "", "Pictures"},
    };
    ScopedEnv home("HOME", scratch.Root());
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    for (const Case& c : cases) {
        std::filesystem::remove(scratch.Path(".config/user-dirs.dirs"));
        if (!c.user_dirs.empty()) {
            scratch.Write(".config/user-dirs.dirs", c.user_dirs);
        }
        ScopedEnv variable("XDG_PICTURES_DIR", c.variable);
        const std::string expected = c.expected[0] == '/' ? c.expected : scratch.Path(c.expected);
        EXPECT_EQ(platform::PicturesFolder(), expected) << c.user_dirs;
    }
}

}  // namespace
