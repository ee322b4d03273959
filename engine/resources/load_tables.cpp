// LoadTables: the start-up reading of resource.xml, config.xml and strings.xml, in that order.
#include <cstdlib>

#include "engine/platform/platform.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/resources/startup_message.h"
#include "engine/text/strings.h"

MESSAGE_BOX_FN g_show_message_box = &platform::ShowMessageBox;

void LoadTables() {
    ClearOptionalMessages();
    LoadResources();
    LoadConfig();
    WSTRING_TABLE& table = GetStringTable();
    if (!LoadStringsFile("strings.xml", table)) {
        g_show_message_box("Message", "strings.xml    LOST");
        std::exit(0);
    }
    ResolveTexts(table);
}
