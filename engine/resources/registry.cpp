// Reading and writing resource.xml; the items themselves are listed in registry_items.cpp.
#include "engine/resources/registry.h"

#include <pugixml.hpp>

#include "engine/resources/file_system.h"
#include "engine/resources/registry_items.h"
#include "engine/resources/xml_tables.h"

RESOURCES g_resources;

namespace {

constexpr char kResourceFile[] = "resource.xml";

void Store(const RESOURCE_ITEM& item, pugi::xml_node element) {
    *item.field = KeepText(element.attribute("var").value());
    if (item.space) {
        *item.space = DecimalInt(element.attribute("space").value());
    }
}

}  // namespace

void WriteDefaultResources() {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("resource");
    for (const RESOURCE_SECTION& section : ResourceSections()) {
        pugi::xml_node element = root.append_child(section.name);
        if (section.single) {
            element.append_attribute("var") = section.items[0].builtin;
            continue;
        }
        for (const RESOURCE_ITEM& item : section.items) {
            pugi::xml_node child = element.append_child(item.name);
            child.append_attribute("var") = item.builtin;
            if (item.space) {
                child.append_attribute("space") = item.builtin_space;
            }
        }
    }
    SaveXml(document, kResourceFile, pugi::format_write_bom);
}

void LoadResources() {
    if (WFILE_SYSTEM::FileExists(kResourceFile) == 0) {
        WriteDefaultResources();
    }
    pugi::xml_document document;
    ParseXmlFile(document, kResourceFile);
    const pugi::xml_node root = document.document_element();
    const std::vector<RESOURCE_SECTION>& sections = ResourceSections();
    // The progress file is whatever comes first; every other section is found by name and its
    // items are taken by position.
    Store(sections.front().items[0], FirstElement(root));
    for (size_t s = 1; s < sections.size(); ++s) {
        const pugi::xml_node element = root.child(sections[s].name);
        if (sections[s].single) {
            Store(sections[s].items[0], element);
            continue;
        }
        pugi::xml_node item = FirstElement(element);
        for (const RESOURCE_ITEM& entry : sections[s].items) {
            Store(entry, item);
            item = NextElement(item);
        }
    }
}

void UseBuiltInResources() {
    for (const RESOURCE_SECTION& section : ResourceSections()) {
        for (const RESOURCE_ITEM& item : section.items) {
            *item.field = item.builtin;
            if (item.space) {
                *item.space = item.builtin_space;
            }
        }
    }
}
