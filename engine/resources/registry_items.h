// The table of resource.xml items that both the built-in writer and the reader walk.
#pragma once

#include <vector>

// One item: its element name (null for a single-item section, whose element carries the value),
// its built-in value and the g_resources field it fills. Font items also have a spacing.
struct RESOURCE_ITEM {
    const char* name;
    const char* builtin;
    const char** field;
    int builtin_space;
    int* space;  // null except for font items
};

struct RESOURCE_SECTION {
    const char* name;
    bool single;
    std::vector<RESOURCE_ITEM> items;
};

// The sections in file order; the first is the progress-file item.
const std::vector<RESOURCE_SECTION>& ResourceSections();
