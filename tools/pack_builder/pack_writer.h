// Writes packs: zip archives of deflated members, encrypted with the zip format's traditional
// password encryption. Used by the pack builder and by tests that need fixture packs.
#pragma once

#include <string>
#include <vector>

struct PACK_MEMBER {
    std::string name;         // member name inside the pack, "/" between folders
    std::string source_path;  // the file whose bytes become the member
};

// The files under folder (recursively), named by their relative paths in bytewise order.
// False with a message when the folder cannot be walked.
bool MembersOfFolder(const std::string& folder, std::vector<PACK_MEMBER>& members,
                     std::string& error);
// Lines "member-name<TAB>source-path" in file order; empty lines are skipped and relative source
// paths are taken from the list file's folder. False with a message naming the bad line.
bool ReadMemberList(const std::string& list_path, std::vector<PACK_MEMBER>& members,
                    std::string& error);
// Writes the members in order to output through a temporary file that is renamed over it, so
// a failed build never leaves a half-written pack. An empty password writes unencrypted members.
// Returns 1, or -1 with a message.
int WritePack(const std::string& output, const std::vector<PACK_MEMBER>& members,
              const std::string& password, std::string& error);

// Member names longer than this cannot be matched by the pack reader's name buffer.
constexpr size_t kMaxMemberNameLength = 259;
