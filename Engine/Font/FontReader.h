#pragma once

#include <string>
#include <vector>

#include "Engine/Font/FontData.h"

// Reader of the BMFont text format. Lines are split at spaces into a tag and
// key=value tokens; "common", "page", "char" and "kerning" lines are used,
// every other tag and key is ignored. A repeated glyph id, page id or kerning
// pair keeps its first entry; keys missing from a line count as 0.
namespace Engine::GFX::FontReader {

// Numbers are read with std::stoi, whose std::invalid_argument and
// std::out_of_range pass through to the caller.
FontData parseLines(const std::vector<std::string>& lines);

// A missing file logs "MISSING FILE: <path>" and gives an empty font; number
// errors pass through as in parseLines.
FontData readFile(const std::string& path);

// The same, but a malformed number becomes an Engine::DataFileError naming the
// file, the line, the key and the value, e.g.
// "./data/fonts/engine_font.fnt: line 5: bad number 'x' for key 'id'".
FontData readFileChecked(const std::string& path);

} // namespace Engine::GFX::FontReader
