#include "Engine/Config/IniReader.h"

#include "Engine/Config/FileUtil.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr char keyValueSeparator = '=';
constexpr char quote = '"';

std::string trim(const std::string& text)
{
    return FileUtil::trimLeft(FileUtil::trimRight(text));
}

bool isSectionHeader(const std::string& text)
{
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

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
    const std::vector<std::string> pieces = FileUtil::split(line, keyValueSeparator);
    if (pieces.size() == 1) {
        const std::string text = trim(pieces[0]);
        if (isSectionHeader(text))
            section = text.substr(1, text.size() - 2);
        return;
    }
    if (pieces.size() < 2)
        return;
    const std::string value = trim(pieces[1]);
    if (!value.empty())
        storeValue(ini, section, trim(pieces[0]), value);
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
