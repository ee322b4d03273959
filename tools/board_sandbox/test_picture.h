// A generated, detailed and colourful test picture for the sandbox.
#pragma once

#include <string>

// Writes a width x height PNG to path; false when it cannot be written.
bool WriteTestPicture(const std::string& path, int width, int height);
