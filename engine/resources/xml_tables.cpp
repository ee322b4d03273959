// Helpers shared by the table readers and writers; see xml_tables.h.
#include "engine/resources/xml_tables.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <unordered_set>

#include "engine/platform/regular_file.h"

pugi::xml_node FirstElement(pugi::xml_node node) {
    pugi::xml_node child = node.first_child();
    while (child && child.type() != pugi::node_element) {
        child = child.next_sibling();
    }
    return child;
}

pugi::xml_node NextElement(pugi::xml_node node) {
    pugi::xml_node sibling = node.next_sibling();
    while (sibling && sibling.type() != pugi::node_element) {
        sibling = sibling.next_sibling();
    }
    return sibling;
}

const char* LocalName(const char* qualified_name) {
    const char* colon = std::strchr(qualified_name, ':');
    return colon ? colon + 1 : qualified_name;
}

const char* NamespaceOf(pugi::xml_node element, const char* qualified_name, bool attribute) {
    const char* local = LocalName(qualified_name);
    if (attribute && local == qualified_name) {
        return "";
    }
    std::string declaration = "xmlns";
    if (local != qualified_name) {
        declaration.append(":").append(qualified_name, local - 1);
    }
    for (pugi::xml_node scope = element; scope.type() == pugi::node_element;
         scope = scope.parent()) {
        if (const pugi::xml_attribute bound = scope.attribute(declaration.c_str())) {
            return bound.value();
        }
    }
    return "";
}

int DecimalInt(const char* text) {
    const long long value = std::strtoll(text ? text : "", nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

uint32_t HexColour(const char* text) {
    const unsigned long long value = std::strtoull(text ? text : "", nullptr, 16);
    return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

std::string ShortFloat(float value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%g", static_cast<double>(value));
    return text;
}

const char* KeepText(const char* text) {
    // Held by a set that is never destroyed, so that the copies stay reachable (and are not
    // reported as leaks) even after the field that pointed at one has been given another text.
    // Each distinct text is kept once: tables read again, or a text asked for every frame, do
    // not grow the set. Its nodes never move, so the pointers handed out stay valid.
    static auto* const kept = new std::unordered_set<std::string>;
    return kept->emplace(text ? text : "").first->c_str();
}

bool ParseXmlFile(pugi::xml_document& document, const char* path) {
    std::string bytes;
    if (path && platform::ReadRegularFile(path, platform::kMaxTableFileBytes, bytes) &&
        document.load_buffer(bytes.data(), bytes.size())) {
        return true;
    }
    document.reset();
    return false;
}

bool SaveXml(const pugi::xml_document& document, const std::string& path, unsigned flags) {
    const std::string temporary = path + ".tmp";
    if (!document.save_file(temporary.c_str(), "\t", flags, pugi::encoding_auto)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}
