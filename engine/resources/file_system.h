// WFILE_SYSTEM: the process-wide file access object: file and folder utilities and the pack reader.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
}

class WFILE_SYSTEM {
  public:
    WFILE_SYSTEM();
    ~WFILE_SYSTEM();
    WFILE_SYSTEM(const WFILE_SYSTEM&) = delete;
    WFILE_SYSTEM& operator=(const WFILE_SYSTEM&) = delete;

    // --- Files and folders (file_system.cpp). Paths use "/" as separator.

    // 0 when the path is missing, 2 for a folder, 1 otherwise.
    static int FileExists(const std::string& path);
    // Creates one folder (no parents) when the path does not exist.
    static void CreateFolder(const std::string& path);
    static void RemoveFile(const std::string& path);
    // Deletes a folder and everything in it, read-only files included.
    static void RemoveFolder(const std::string& path);
    // Mode 0: every entry except "." and ".."; mode 1: folders only. Pattern as "*.pzl".
    static std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern,
                                              int mode);
    // Reads the whole file into contents, creating an empty file when it is missing;
    // false when it cannot be opened.
    static bool ReadTextFile(const std::string& path, std::string& contents);
    static void EmptyFile(const std::string& path);
    // Rewrites the file as text, "\n" when the old content was not empty, then the old content.
    static int PrependText(const std::string& path, const std::string& text);
    // 0 on success, 1 when the file cannot be opened.
    static int WriteStream(const std::string& path, const void* data, size_t size);
    static int ReadStream(const std::string& path, void* buffer, size_t size);
    // Where the user's program data lives (XDG data home), or empty when it cannot be told.
    static std::string DataHome();
    static void OpenWithShell(const std::string& path);
    static void DesktopSize(int& width, int& height);
    // Never enabled: writes nothing.
    static int Log(const char*) { return 1; }

    // --- Packs (pack_reader.cpp). Results: 1 success, -1 failure.

    int OpenPack(const char* pack_path);
    int FindMember(const char* name);
    int ReadMember(const char* password);
    int FreeMember();
    int ClosePack();
    // Opens the pack, reads the named member whole and closes the pack again: 1 with the bytes
    // in MemberData / MemberSize (kept until FreeMember or the next read), -1 when the pack
    // cannot be opened, -2 when the member is missing or unreadable. Every loader reads members
    // through this.
    int ReadPackMember(const char* pack_path, const char* name, const char* password);
    void SetPack(const char* path) { CurrentPack = path; }
    void SetLooseFolder(const char* path) { LooseFolder = path ? path : ""; }
    // The loader idiom: select the pack holding the data, load by member name, unselect.
    void SelectPack(const char* pack_path);
    void UnselectPack();
    // A parsed document from the current pack (or the working folder); null when the member is
    // missing or unreadable. The caller deletes it.
    pugi::xml_document* LoadXml(const char* name);

    char member_name[260] = {};
    const char* CurrentPack = nullptr;  // borrowed: a registry string or a literal
    std::string PackPassword;
    unsigned char* MemberData = nullptr;  // MemberSize bytes plus one spare byte
    size_t MemberSize = 0;
    void* archive = nullptr;  // the archive library's handle
    std::string LooseFolder;
};

extern WFILE_SYSTEM g_file_system;
// Off: a pack path names a plain folder. Start-up turns it on before anything loads.
extern bool UsePacks;
