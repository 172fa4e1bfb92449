#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One line of an INI text as every INI reader of the program sees it: the
// lenient store reader, the profile's rewrite and the level file's strict
// reader share this lexer, so they never disagree about what a line sets.
//
// A line is split at every "=" with empty pieces dropped. A line whose first
// non-blank character is "#" or ";" is a comment; one piece that is
// "[name]" once trimmed is a section header (the name is not trimmed); two or
// more pieces set the first piece, trimmed, to the second, trimmed, where a
// "#" or ";" after white space and outside double quotes starts a comment
// that is not part of the value. An empty value sets nothing.
struct IniLine {
    enum class Kind { blank, comment, section, keyValue, other };

    Kind kind = Kind::other;
    std::string name;  // the section's name or the key
    std::string value; // the value without its comment
    // Where the value stands in the line, so a rewrite can replace it alone.
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    // The line is exactly "key = value", an optional comment after it: no
    // "=" was dropped or ignored (as in "=a=1", "a==1" or "a=1=2").
    bool plain = false;
};

IniLine lexIniLine(const std::string& line);

// A line of a text with its own line end ("\n", "\r\n" or, where taken, a
// lone "\r"); the last line's end is empty when the text stops without one.
struct TextLine {
    std::string text;
    std::string end;
};

enum class LineEnds {
    lineFeed, // "\n", with a "\r" right before it part of the end
    any,      // "\n", "\r\n" or a "\r" alone
};

std::vector<TextLine> splitLines(const std::string& text, LineEnds ends);
