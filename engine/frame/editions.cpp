// LoadEditions: editions.xml from the pack DATA/editions into g_editions.
#include "engine/frame/editions.h"

#include <memory>
#include <pugixml.hpp>

#include "engine/resources/file_system.h"
#include "engine/resources/xml_tables.h"
#include "engine/text/strings.h"

EDITIONS g_editions;

namespace {

constexpr char kEditionsPack[] = "DATA/editions";

// A localised text for the key, or a lasting copy of the key itself when it has no text (the
// key's own storage goes with the document).
const char* Localised(const WSTRING_TABLE& table, const char* key) {
    const char* text = table.Lookup(key);
    return text == key ? KeepText(key) : text;
}

void ReadEditions(const pugi::xml_document& document) {
    const pugi::xml_node root = document.document_element();
    const pugi::xml_node notice = root.child("copyright1");
    const pugi::xml_node title = root.child("copyright_title");
    const pugi::xml_node url_file = root.child("url_file");
    const pugi::xml_node run_if_url_lost = root.child("run_if_url_lost");
    const pugi::xml_node exe_file = root.child("exe_file");
    const pugi::xml_node run_if_exe_lost = root.child("run_if_exe_lost");
    const pugi::xml_node splash1 = root.child("splash1");
    const pugi::xml_node splash2 = root.child("splash2");
    if (!url_file || !run_if_url_lost || !exe_file || !run_if_exe_lost || !splash1 || !splash2) {
        return;
    }
    g_editions.exe_file = exe_file.attribute("param").value();
    g_editions.url_file = url_file.attribute("param").value();
    g_editions.run_if_exe_lost = run_if_exe_lost.attribute("param").as_bool();
    g_editions.run_if_url_lost = run_if_url_lost.attribute("param").as_bool();
    g_editions.splash1 = splash1.attribute("param").value();
    g_editions.splash2 = splash2.attribute("param").value();

    WSTRING_TABLE& table = GetStringTable();
    LoadStringsFile("strings.xml", table);
    if (notice) {
        g_editions.notice_text = Localised(table, notice.attribute("var").value());
        g_editions.notice_x = DecimalInt(notice.attribute("x").value());
        g_editions.notice_y = DecimalInt(notice.attribute("y").value());
    }
    if (title) {
        g_editions.title_text = Localised(table, title.attribute("var").value());
        g_editions.title_x = DecimalInt(title.attribute("x").value());
        g_editions.title_y = DecimalInt(title.attribute("y").value());
    }
}

}  // namespace

void LoadEditions() {
    g_file_system.SelectPack(kEditionsPack);
    g_editions.run_if_url_lost = true;
    g_editions.run_if_exe_lost = true;
    const std::unique_ptr<pugi::xml_document> document(g_file_system.LoadXml("editions.xml"));
    if (document) {
        ReadEditions(*document);
    }
    g_file_system.UnselectPack();
}
