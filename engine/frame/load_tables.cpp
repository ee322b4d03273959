// LoadTables: the start-up reading of resource.xml, config.xml and strings.xml, in that order.
#include "engine/frame/load_tables.h"

#include <cstdlib>

#include "engine/frame/game.h"
#include "engine/frame/startup_message.h"
#include "engine/platform/platform.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"

MESSAGE_BOX_FN g_show_message_box = &platform::ShowMessageBox;

namespace {

constexpr char kGameNameKey[] = "windowname_txt_gamename";

}  // namespace

void LoadTables() {
    ClearOptionalMessages();
    LoadResources();
    LoadConfig();
    WSTRING_TABLE& table = GetStringTable();
    if (!LoadStringsFile("strings.xml", table)) {
        g_show_message_box("Message", "strings.xml    LOST");
        std::exit(0);
    }
    // The localised name stands until start-up names the application after the configuration.
    const char* game_name = table.Lookup(kGameNameKey);
    if (game_name != kGameNameKey) {
        WUN::ST_GAME::GetInstance()->SetName(game_name);
    }
    ResolveTexts(table);
}
