// A private working folder for fuzz targets whose readers take a path: each input is written to
// its file there, and the folder goes when the process ends.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

class FUZZ_FOLDER {
  public:
    // The one folder of this process, made on first use.
    static FUZZ_FOLDER& Get() {
        static FUZZ_FOLDER folder;
        return folder;
    }

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

    // Writes the input to name in the folder; returns its full path.
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
        const std::string path = Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path;
    }

    // Readers of fixed relative names (config.xml, resource.xml) read from here.
    void Enter() const { std::filesystem::current_path(root_); }

  private:
    FUZZ_FOLDER() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pd_fuzz_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            abort();
        }
        root_ = pattern;
    }
    ~FUZZ_FOLDER() {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    std::string root_;
};
