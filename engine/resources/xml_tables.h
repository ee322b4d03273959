// Small helpers the table readers and writers share: element walking, number conversions,
// heap copies that live until exit, and saving through a temporary file.
#pragma once

#include <cstdint>
#include <pugixml.hpp>
#include <string>

// The first child element of node, skipping text; null when there is none.
pugi::xml_node FirstElement(pugi::xml_node node);
// The next sibling element of node; null when there is none.
pugi::xml_node NextElement(pugi::xml_node node);

// The part of a qualified name after its prefix: "Row" for "ss:Row" and for "Row".
const char* LocalName(const char* qualified_name);
// The namespace the prefix of a name stands for where element declares it or inherits it; ""
// for none. For an attribute's name (attribute set), no prefix means no namespace; for an
// element's, the default namespace in scope.
const char* NamespaceOf(pugi::xml_node element, const char* qualified_name, bool attribute);

// Base-10 with an optional sign; saturates at the int range; text that is no number gives 0.
int DecimalInt(const char* text);
// Unsigned hexadecimal with an optional 0x; saturates at 0xFFFFFFFF; no number gives 0.
uint32_t HexColour(const char* text);
// The shortest general form ("%g"): 0.45, 15, 0.3.
std::string ShortFloat(float value);

// A NUL-terminated heap copy that is never freed (the tables live as long as the program).
const char* KeepText(const char* text);

// Parses a file with the default options; a file that does not parse leaves the document empty
// (the parser would otherwise keep what it read before the error). False when it did not parse,
// or is no regular file of at most platform::kMaxTableFileBytes.
bool ParseXmlFile(pugi::xml_document& document, const char* path);

// Saves the document to path through path + ".tmp"; false when it cannot be written.
bool SaveXml(const pugi::xml_document& document, const std::string& path, unsigned flags);
