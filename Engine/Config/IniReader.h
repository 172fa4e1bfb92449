#pragma once

#include "Engine/Config/IniData.h"

#include <string>
#include <vector>

// Lenient INI reading: lines of "key = value" and "[section]" as IniLine
// lexes them; every line that cannot be used is skipped without a message.
// Values are typed as a quoted string, the words true/false, or a number.

// A file that cannot be opened gives an empty store (and the missing-file
// line of FileUtil::readLines).
IniData loadIniFile(const std::string& path);

IniData parseIniLines(const std::vector<std::string>& lines);
