// The results file: every puzzle a player finished, one "element" under "root", in finishing
// order; the score board reads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RESULT_ENTRY {
    std::string face;     // the thumbnail's resource name ("face")
    int score = 0;        // "score"
    int count = 0;        // pieces ("count")
    bool rotata = false;  // the pieces came turned ("rotata"; written, not read)
    double time = 0.0;    // seconds played ("time"); never negative or non-finite when read
};

// The results in file order (every child element of "root"); nullopt when the bytes are no XML
// document with a "root" element.
std::optional<std::vector<RESULT_ENTRY>> ParseResults(std::string_view bytes);

// The results of the file at path; none when it is missing or does not parse.
std::vector<RESULT_ENTRY> ReadResults(const std::string& path);

// Appends one result to the file at path, which is written whole through a temporary file and a
// rename. A file that exists but does not parse is kept beside it (path + ".damaged", numbered
// when that is taken) before a fresh one starts, so nothing is lost. 1 on success; -1 when
// nothing was written (the old file is then untouched).
int AppendResult(const std::string& path, const RESULT_ENTRY& entry);
