// Feeds a map listing, from a file or from memory, line by line to the reader.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "src/data/LinkMapReader.h"

namespace linkmap {

// Reads the file in large blocks and hands each line, without its line end, to onLine until it
// returns false or the file ends. Returns false when the file cannot be opened.
bool ReadFileLines(const std::string& path, const std::function<bool(std::string_view)>& onLine);

// Reads the listing file until the reader has finished or the file ends. Returns false when
// the file cannot be opened.
bool ReadListingFile(const std::string& path, LinkMapReader& reader);

// Reads a listing held in memory.
void ReadListingText(std::string_view text, LinkMapReader& reader);

}  // namespace linkmap
