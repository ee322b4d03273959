// DataHome: $XDG_DATA_HOME when it is absolute, else ~/.local/share.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "engine/platform/platform.h"

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

}  // namespace
