// LoadFramesList: the catalogue file and its checks; see catalogue_reader.h.
#include "game/shell/catalogue_reader.h"

#include <pugixml.hpp>

#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/resources/xml_tables.h"

namespace {

// Whether the pack (a folder while packs are off) holds the member, without reading it.
bool PackHolds(const char* pack, const std::string& member) {
    if (pack == nullptr || member.empty()) {
        return false;
    }
    if (!UsePacks) {
        return WFILE_SYSTEM::FileExists(std::string(pack) + "/" + member) == 1;
    }
    const bool found =
        g_file_system.OpenPack(pack) == 1 && g_file_system.FindMember(member.c_str()) == 1;
    g_file_system.ClosePack();
    return found;
}

// The entry of node, or null when its picture or thumbnail is missing.
std::unique_ptr<FRAME> ReadEntry(const pugi::xml_node& node) {
    const std::string picture = node.attribute("adrFm").as_string();
    if (!PackHolds(g_resources.packs.low_pack, picture)) {
        return nullptr;
    }
    g_file_system.SelectPack(g_resources.packs.pre_pack);
    auto entry = std::make_unique<FRAME>(picture, node.attribute("adrSm").as_string(),
                                         node.attribute("amount").as_int(),
                                         node.attribute("rot").as_bool(), 0);
    g_file_system.UnselectPack();
    if (!entry->HasThumbnail()) {
        return nullptr;
    }
    return entry;
}

// Text between elements is not part of the catalogue.
bool IsElement(const pugi::xml_node& node) {
    return node.type() == pugi::node_element;
}

}  // namespace

std::vector<std::unique_ptr<PUZZLE_CATEGORY>> LoadFramesList(const std::string& path,
                                                             int screen_width, int screen_height) {
    std::vector<std::unique_ptr<PUZZLE_CATEGORY>> categories;
    pugi::xml_document document;
    if (!ParseXmlFile(document, path.c_str())) {
        return categories;
    }
    int name_index = 0;
    for (const pugi::xml_node& category_node : document.document_element().children()) {
        if (!IsElement(category_node)) {
            continue;
        }
        auto category = std::make_unique<PUZZLE_CATEGORY>(name_index++);
        for (const pugi::xml_node& entry_node : category_node.children()) {
            if (!IsElement(entry_node)) {
                continue;
            }
            if (std::unique_ptr<FRAME> entry = ReadEntry(entry_node)) {
                category->Append(std::move(entry));
            }
        }
        if (category->EntryCount() == 0) {
            continue;
        }
        category->UpdatePageButtons();
        category->LayoutPage(screen_width, screen_height);
        categories.push_back(std::move(category));
    }
    return categories;
}
