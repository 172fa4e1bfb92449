#pragma once

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

// The lines with every line of the unnamed section that sets one of the
// given keys replaced by "key = value"; everything else, comments and other
// sections included, stays as it is. A key without a line is added at the
// end of the unnamed section, that is before the first section header.
std::vector<std::string> rewriteConfigLines(const std::vector<std::string>& lines,
                                            const std::vector<ConfigValue>& values);

// Rewrites the file's lines of the given keys (a missing file is created). A
// failure logs one line naming the file and is otherwise passed over.
bool rewriteConfigFile(const std::vector<ConfigValue>& values, const std::string& path = configFilePath);

} // namespace Engine
