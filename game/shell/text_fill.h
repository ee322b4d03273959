// Fills a value into a localised text without handing the text to printf: the text comes from a
// file, and a stray conversion in it must never read an argument that is not there.
#pragma once

#include <string>

namespace GAME {

// The text with its first "%c" (c any of conversions) replaced by value and every "%%" by "%";
// any other '%' stays as it is.
std::string FillText(const std::string& text, const char* conversions, const std::string& value);

// The text with its first two number conversions replaced by first and second: "%i" and "%d"
// as they are, "%.*i" and "%.*d" (a precision taken as an argument) with at least two digits;
// every "%%" becomes "%" and any other '%' stays as it is.
std::string FillTwoNumbers(const std::string& text, int first, int second);

}  // namespace GAME
