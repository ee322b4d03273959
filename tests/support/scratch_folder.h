// A temporary folder for one test, removed with everything in it when the test ends, and a
// scoped change of the working folder.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

class SCRATCH_FOLDER {
  public:
    SCRATCH_FOLDER() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pd_test_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        }
        root_ = pattern;
    }
    ~SCRATCH_FOLDER() {
        MakeFoldersWritable();
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    SCRATCH_FOLDER(const SCRATCH_FOLDER&) = delete;
    SCRATCH_FOLDER& operator=(const SCRATCH_FOLDER&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }

    // Writes bytes to the relative path, creating its folders; returns the full path.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        const std::string path = Path(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string Read(const std::string& relative) const {
        std::ifstream in(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    // Tests leave read-only folders behind on purpose, and nothing in a folder can be removed
    // until it is writable again. Links are neither followed nor changed, so nothing outside
    // the scratch folder is touched.
    void MakeFoldersWritable() const {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
        std::error_code walk;
        for (fs::recursive_directory_iterator it(root_, walk), end; !walk && it != end;
             it.increment(walk)) {
            if (it->symlink_status(ignored).type() == fs::file_type::directory) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
            }
        }
    }

    std::string root_;
};

// Makes the folder the working folder for one scope, as the game's tables are read from there.
class WORKING_FOLDER {
  public:
    explicit WORKING_FOLDER(const std::string& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WORKING_FOLDER() { std::filesystem::current_path(previous_); }
    WORKING_FOLDER(const WORKING_FOLDER&) = delete;
    WORKING_FOLDER& operator=(const WORKING_FOLDER&) = delete;

  private:
    std::filesystem::path previous_;
};
