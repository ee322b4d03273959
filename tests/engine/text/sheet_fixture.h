// Writes string tables the way an office suite saves a spreadsheet as XML.
#pragma once

#include <cctype>
#include <string>
#include <utility>
#include <vector>

// A cell as the suite writes it; index > 0 adds ss:Index, as it does after empty cells.
inline std::string SheetCell(const std::string& text, int index = 0) {
    const std::string attribute =
        index > 0 ? " ss:Index=\"" + std::to_string(index) + "\"" : std::string();
    return "<Cell ss:StyleID=\"s21\"" + attribute + "><Data ss:Type=\"String\">" + text +
           "</Data></Cell>";
}

inline std::string SheetRow(const std::string& cells) {
    return "   <Row ss:AutoFitHeight=\"0\">" + cells + "</Row>\n";
}

// Rows of key and text, with the namespaces, properties, styles and options around them.
inline std::string Sheet(const std::vector<std::pair<std::string, std::string>>& rows,
                         const std::string& extra_rows = "") {
    std::string body;
    for (const auto& [key, text] : rows) {
        body += SheetRow(SheetCell(key) + SheetCell(text));
    }
    return "<?xml version=\"1.0\"?>\n<?mso-application progid=\"Excel.Sheet\"?>\n"
           "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
           " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\n"
           " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\n"
           " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
           " xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n"
           " <DocumentProperties xmlns=\"urn:schemas-microsoft-com:office:office\">\n"
           "  <Author>translator</Author>\n </DocumentProperties>\n"
           " <Styles>\n  <Style ss:ID=\"Default\" ss:Name=\"Normal\"><Font ss:FontName=\"Arial\"/>"
           "</Style>\n  <Style ss:ID=\"s21\"><Alignment ss:WrapText=\"1\"/></Style>\n </Styles>\n"
           " <Worksheet ss:Name=\"strings\">\n"
           "  <Table ss:ExpandedColumnCount=\"3\" x:FullColumns=\"1\" x:FullRows=\"1\">\n"
           "   <Column ss:Width=\"180\"/>\n   <Column ss:Width=\"400\"/>\n" +
           body + extra_rows +
           "  </Table>\n  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">\n"
           "   <Selected/>\n  </WorksheetOptions>\n </Worksheet>\n</Workbook>\n";
}

// The sheet as a suite writes it when it names the spreadsheet's namespace by a prefix: every
// element's name, opening or closing, given prefix ("ss:").
inline std::string PrefixElements(const std::string& xml, const std::string& prefix) {
    std::string out;
    for (size_t i = 0; i < xml.size(); ++i) {
        out += xml[i];
        if (xml[i] != '<') {
            continue;
        }
        if (i + 1 < xml.size() && xml[i + 1] == '/') {
            out += xml[++i];
        }
        if (i + 1 < xml.size() && std::isalpha(static_cast<unsigned char>(xml[i + 1]))) {
            out += prefix;
        }
    }
    return out;
}
