#include "Engine/Config/ConfigRewrite.h"

#include "Engine/Config/FileUtil.h"
#include "Engine/Base/Log.h"

#include <algorithm>
#include <fstream>
#include <optional>

namespace Engine {

namespace {

std::string trim(const std::string& text)
{
    return FileUtil::trimRight(FileUtil::trimLeft(text));
}

// The line's key as the reader sees it, when the line sets a value.
std::optional<std::string> keyOf(const std::string& line)
{
    const std::vector<std::string> pieces = FileUtil::split(line, '=');
    if (pieces.size() < 2) return std::nullopt;
    return trim(pieces[0]);
}

bool isSectionHeader(const std::string& line)
{
    const std::vector<std::string> pieces = FileUtil::split(line, '=');
    if (pieces.size() != 1) return false;
    const std::string text = trim(pieces[0]);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

const ConfigValue* valueFor(const std::vector<ConfigValue>& values, const std::string& key)
{
    for (const ConfigValue& value : values) {
        if (value.key == key) return &value;
    }
    return nullptr;
}

std::string lineOf(const ConfigValue& value)
{
    return value.key + " = " + value.value;
}

std::vector<std::string> readLinesQuietly(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path, std::ios::binary);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

} // namespace

std::vector<std::string> rewriteConfigLines(const std::vector<std::string>& lines,
                                            const std::vector<ConfigValue>& values)
{
    std::vector<std::string> result;
    std::vector<const ConfigValue*> written;
    bool unnamed = true;
    auto appendMissing = [&] {
        for (const ConfigValue& value : values) {
            if (std::find(written.begin(), written.end(), &value) == written.end()) result.push_back(lineOf(value));
        }
    };
    for (const std::string& line : lines) {
        if (unnamed && isSectionHeader(line)) {
            appendMissing();
            unnamed = false;
        }
        const std::optional<std::string> key = keyOf(line);
        const ConfigValue* value = unnamed && key ? valueFor(values, *key) : nullptr;
        if (value != nullptr) written.push_back(value);
        result.push_back(value != nullptr ? lineOf(*value) : line);
    }
    if (unnamed) appendMissing();
    return result;
}

bool rewriteConfigFile(const std::vector<ConfigValue>& values, const std::string& path)
{
    const std::vector<std::string> lines = rewriteConfigLines(readLinesQuietly(path), values);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    const std::string problem = FileUtil::replaceFile(path, text);
    if (problem.empty()) return true;
    logError("SETTINGS NOT SAVED: " + path + ": " + problem);
    return false;
}

} // namespace Engine
