#include "Engine/Config/IniReader.h"

#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniLine.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr char quote = '"';

bool isQuotedString(const std::string& text)
{
    return text.size() >= 2 && text.front() == quote && text.back() == quote;
}

// Digits, points and plus signs anywhere, a minus sign only in front; the
// number is the longest prefix strtof accepts, so "1.5.2" reads as 1.5.
bool isNumberText(const std::string& text)
{
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool allowed = std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+'
            || (c == '-' && i == 0);
        if (!allowed)
            return false;
    }
    return true;
}

void storeValue(IniData& ini, const std::string& section, const std::string& key,
                const std::string& value)
{
    if (isQuotedString(value))
        ini.obtainSection(section).setString(key, value.substr(1, value.size() - 2));
    else if (value == "true" || value == "false")
        ini.obtainSection(section).setBool(key, value == "true");
    else if (isNumberText(value))
        ini.obtainSection(section).setFloat(key, std::strtof(value.c_str(), nullptr));
}

void parseLine(IniData& ini, std::string& section, const std::string& line)
{
    const IniLine lexed = lexIniLine(line);
    if (lexed.kind == IniLine::Kind::section)
        section = lexed.name;
    else if (lexed.kind == IniLine::Kind::keyValue)
        storeValue(ini, section, lexed.name, lexed.value);
}

} // namespace

IniData loadIniFile(const std::string& path)
{
    return parseIniLines(FileUtil::readLines(path));
}

IniData parseIniLines(const std::vector<std::string>& lines)
{
    IniData ini;
    std::string section;
    for (const std::string& line : lines)
        parseLine(ini, section, line);
    return ini;
}
