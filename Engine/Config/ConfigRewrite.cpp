#include "Engine/Config/ConfigRewrite.h"

#include "Engine/Base/Log.h"
#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniLine.h"

#include <algorithm>

namespace Engine {

namespace {

const ConfigValue* valueFor(const std::vector<ConfigValue>& values, const std::string& key)
{
    for (const ConfigValue& value : values) {
        if (value.key == key) return &value;
    }
    return nullptr;
}

// Appends the lines of the keys not written yet; they take the text's own
// line end, and the last line gets one if it had none.
void appendMissing(std::vector<TextLine>& lines, const std::vector<ConfigValue>& values,
                   const std::vector<const ConfigValue*>& written, const std::string& lineEnd)
{
    for (const ConfigValue& value : values) {
        if (std::find(written.begin(), written.end(), &value) != written.end()) continue;
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = lineEnd;
        lines.push_back({value.key + " = " + value.value, lineEnd});
    }
}

std::string joined(const std::vector<TextLine>& lines)
{
    std::string text;
    for (const TextLine& line : lines) text += line.text + line.end;
    return text;
}

} // namespace

std::string rewriteConfigText(const std::string& text, const std::vector<ConfigValue>& values)
{
    const std::vector<TextLine> lines = splitLines(text, LineEnds::lineFeed);
    const std::string lineEnd = lines.empty() || lines[0].end.empty() ? "\n" : lines[0].end;
    std::vector<TextLine> result;
    std::vector<const ConfigValue*> written;
    bool unnamed = true;
    for (TextLine line : lines) {
        const IniLine lexed = lexIniLine(line.text);
        if (unnamed && lexed.kind == IniLine::Kind::section) {
            appendMissing(result, values, written, lineEnd);
            unnamed = false;
        }
        const bool setsValue = unnamed && lexed.kind == IniLine::Kind::keyValue;
        const ConfigValue* value = setsValue ? valueFor(values, lexed.name) : nullptr;
        if (value != nullptr) {
            line.text.replace(lexed.valueBegin, lexed.valueEnd - lexed.valueBegin, value->value);
            written.push_back(value);
        }
        result.push_back(line);
    }
    if (unnamed) appendMissing(result, values, written, lineEnd);
    return joined(result);
}

Status rewriteConfigFile(const std::vector<ConfigValue>& values, const std::string& path)
{
    const FileUtil::FileBytes profile = FileUtil::readFileBytes(path);
    Status status = profile.status;
    if (status.ok()) status = FileUtil::replaceFile(path, rewriteConfigText(profile.bytes.value_or(""), values));
    if (!status.ok()) logError("SETTINGS NOT SAVED: " + path + ": " + status.message());
    return status;
}

} // namespace Engine
