#pragma once

#include "Engine/Base/Status.h"
#include "Engine/Config/WindowSettings.h"

#include <string>
#include <vector>

// Saving the user's settings back into the configuration file without
// losing what the user wrote there: only the lines of the saved keys change.
namespace Engine {

struct ConfigValue {
    std::string key;
    std::string value; // as it is written after "key = "
};

// The text with the value of every line of the unnamed section that sets
// one of the given keys replaced (white space, a comment after the value
// and the line end stay); every other byte stays as it is. A key without a
// line is added at the end of the unnamed section, that is before the first
// section header, with the text's own line end.
std::string rewriteConfigText(const std::string& text, const std::vector<ConfigValue>& values);

// Rewrites the file's lines of the given keys through FileUtil::replaceFile
// (a missing file is created). A file that exists but cannot be read is not
// written. A failure is logged as one error line "SETTINGS NOT SAVED:
// <file>: <reason>" and returned.
Status rewriteConfigFile(const std::vector<ConfigValue>& values, const std::string& path = configFilePath);

} // namespace Engine
