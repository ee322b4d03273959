// The results file: reading, appending and keeping a damaged file aside.
#include "game/records/results_file.h"

#include <cmath>
#include <filesystem>
#include <pugixml.hpp>
#include <sstream>
#include <system_error>

#include "engine/resources/file_system.h"
#include "game/records/file_bytes.h"

namespace {

// Far more results than a player finishes; a longer file counts as damaged.
constexpr size_t kMostResultsBytes = 32u << 20;
// Names tried for a damaged file before giving up.
constexpr int kAsideNames = 1000;
constexpr const char* kRoot = "root";

bool ParseDocument(std::string_view bytes, pugi::xml_document& document) {
    if (!document.load_buffer(bytes.data(), bytes.size()) || !document.child(kRoot)) {
        document.reset();
        return false;
    }
    return true;
}

// Renames the file at path to the first free name path + ".damaged", ".damaged2", ...
bool KeepAside(const std::string& path) {
    for (int n = 1; n <= kAsideNames; ++n) {
        const std::string aside = path + ".damaged" + (n > 1 ? std::to_string(n) : "");
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) {
            continue;
        }
        std::filesystem::rename(path, aside, error);
        return !error;
    }
    return false;
}

}  // namespace

std::optional<std::vector<RESULT_ENTRY>> ParseResults(std::string_view bytes) {
    pugi::xml_document document;
    if (!ParseDocument(bytes, document)) {
        return std::nullopt;
    }
    std::vector<RESULT_ENTRY> entries;
    for (pugi::xml_node element : document.child(kRoot).children()) {
        if (element.type() != pugi::node_element) {
            continue;
        }
        RESULT_ENTRY entry;
        entry.face = element.attribute("face").as_string();
        entry.score = element.attribute("score").as_int();
        entry.count = element.attribute("count").as_int();
        entry.rotata = element.attribute("rotata").as_bool();
        const double time = element.attribute("time").as_double();
        entry.time = std::isfinite(time) && time > 0.0 ? time : 0.0;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<RESULT_ENTRY> ReadResults(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, kMostResultsBytes, bytes)) {
        return {};
    }
    return ParseResults(bytes).value_or(std::vector<RESULT_ENTRY>{});
}

int AppendResult(const std::string& path, const RESULT_ENTRY& entry) {
    pugi::xml_document document;
    if (WFILE_SYSTEM::FileExists(path) != 0) {
        std::string bytes;
        const bool parsed =
            ReadFileBytes(path, kMostResultsBytes, bytes) && ParseDocument(bytes, document);
        if (!parsed && !KeepAside(path)) {
            return -1;
        }
    }
    pugi::xml_node root = document.child(kRoot);
    if (!root) {
        root = document.append_child(kRoot);
    }
    pugi::xml_node element = root.append_child("element");
    element.append_attribute("face").set_value(entry.face.c_str());
    element.append_attribute("score").set_value(entry.score);
    element.append_attribute("count").set_value(entry.count);
    element.append_attribute("rotata").set_value(entry.rotata);
    element.append_attribute("time").set_value(entry.time);
    std::ostringstream text;
    document.save(text, "\t", pugi::format_indent, pugi::encoding_auto);
    const std::string bytes = text.str();
    return WFILE_SYSTEM::WriteStream(path, bytes.data(), bytes.size()) == 0 ? 1 : -1;
}
