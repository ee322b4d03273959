// DocumentsFolder: XDG variable, user-dirs.dirs, ~/Documents and the home fall-backs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/platform/platform.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

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

class DocumentsFolderTest : public testing::Test {
  protected:
    void WriteUserDirs(const std::string& text) { scratch_.Write(".config/user-dirs.dirs", text); }

    SCRATCH_FOLDER scratch_;
    const fs::path home_{scratch_.Root()};
    ScopedEnv no_xdg_documents_{"XDG_DOCUMENTS_DIR", std::nullopt};
    ScopedEnv no_xdg_config_{"XDG_CONFIG_HOME", std::nullopt};
};

TEST_F(DocumentsFolderTest, ReadsTheUserDirsFileWithHomeExpanded) {
    ScopedEnv home("HOME", home_.string());
    fs::create_directories(home_ / "Dokumente");
    WriteUserDirs(
        "# written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), (home_ / "Dokumente").string());
}

TEST_F(DocumentsFolderTest, AcceptsAnAbsolutePathAndSkipsComments) {
    ScopedEnv home("HOME", home_.string());
    fs::create_directories(home_ / "papers");
    WriteUserDirs("#XDG_DOCUMENTS_DIR=\"/nowhere\"\nXDG_DOCUMENTS_DIR=\"" +
                  (home_ / "papers").string() + "\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), (home_ / "papers").string());
}

TEST_F(DocumentsFolderTest, TheEnvironmentVariableComesFirst) {
    ScopedEnv home("HOME", home_.string());
    fs::create_directories(home_ / "elsewhere");
    fs::create_directories(home_ / "Dokumente");
    WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    ScopedEnv documents("XDG_DOCUMENTS_DIR", (home_ / "elsewhere").string());
    EXPECT_EQ(platform::DocumentsFolder(), (home_ / "elsewhere").string());
}

TEST_F(DocumentsFolderTest, FallsBackToDocumentsThenHome) {
    ScopedEnv home("HOME", home_.string());
    // The configured folder does not exist: it is not used.
    WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Missing\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), home_.string());
    fs::create_directories(home_ / "Documents");
    EXPECT_EQ(platform::DocumentsFolder(), (home_ / "Documents").string());
}

}  // namespace
