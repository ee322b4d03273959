// Fuzz target: strings.xml, the office-suite sheet of every text, and the texts resolved from it.
#include <cstdint>
#include <pugixml.hpp>

#include "engine/text/strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pugi::xml_document document;
    if (!document.load_buffer(data, size)) {
        document.reset();
    }
    WSTRING_TABLE table;
    table.LoadSheet(document);
    table.LoadSheet(document, 3, 1);
    ResolveTexts(table);
    return 0;
}
