#include "Engine/Font/FontReader.h"

#include <stdexcept>

#include "Engine/Config/FileUtil.h"
#include "Engine/Base/DataFileError.h"

namespace Engine::GFX::FontReader {

namespace {

using Pairs = std::map<std::string, std::string>;

constexpr char quote = '"';

// Page file names are written in quotes; a lone quote at either end goes too.
std::string unquote(std::string value)
{
    if (!value.empty() && value.front() == quote) {
        value.erase(0, 1);
    }
    if (!value.empty() && value.back() == quote) {
        value.pop_back();
    }
    return value;
}

// Applies one line to the font. Remembers the key and value of the number it
// converts last, so a caller that catches a conversion error can say which.
class LineParser {
public:
    explicit LineParser(FontData& target) : font(target) {}

    void parse(const std::string& line)
    {
        const std::vector<std::string> tokens = FileUtil::split(line, ' ');
        if (tokens.empty()) {
            return;
        }
        const Pairs pairs = keyValuePairs(tokens);
        const std::string& tag = tokens.front();
        if (tag == "common") {
            parseCommon(pairs);
        } else if (tag == "page") {
            parsePage(pairs);
        } else if (tag == "char") {
            parseGlyph(pairs);
        } else if (tag == "kerning") {
            parseKerning(pairs);
        }
    }

    const std::string& lastKey() const { return key; }
    const std::string& lastValue() const { return value; }

private:
    // The first occurrence of a key in a line wins, like the first entry of an id.
    static Pairs keyValuePairs(const std::vector<std::string>& tokens)
    {
        Pairs pairs;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            const std::vector<std::string> sides = FileUtil::split(tokens[i], '=');
            const bool hasBothSides = sides.size() >= 2 && tokens[i].front() != '=' && tokens[i].back() != '=';
            if (hasBothSides) {
                pairs.emplace(sides[0], sides[1]);
            }
        }
        return pairs;
    }

    int32_t number(const Pairs& pairs, const std::string& name)
    {
        const auto found = pairs.find(name);
        if (found == pairs.end()) {
            return 0;
        }
        key = name;
        value = found->second;
        return std::stoi(value);
    }

    void setIfPresent(const Pairs& pairs, const std::string& name, int32_t& field)
    {
        if (pairs.count(name) > 0) {
            field = number(pairs, name);
        }
    }

    void parseCommon(const Pairs& pairs)
    {
        setIfPresent(pairs, "lineHeight", font.lineHeight);
        setIfPresent(pairs, "base", font.base);
        setIfPresent(pairs, "scaleW", font.scaleW);
        setIfPresent(pairs, "scaleH", font.scaleH);
    }

    void parsePage(const Pairs& pairs)
    {
        const int32_t id = number(pairs, "id");
        const auto file = pairs.find("file");
        const std::string fileName = file == pairs.end() ? std::string() : unquote(file->second);
        if (pairs.count("id") > 0 && !fileName.empty()) {
            font.pages.emplace(id, fileName);
        }
    }

    void parseGlyph(const Pairs& pairs)
    {
        Glyph glyph;
        const int32_t id = number(pairs, "id");
        glyph.x = number(pairs, "x");
        glyph.y = number(pairs, "y");
        glyph.width = number(pairs, "width");
        glyph.height = number(pairs, "height");
        glyph.xoffset = number(pairs, "xoffset");
        glyph.yoffset = number(pairs, "yoffset");
        glyph.xadvance = number(pairs, "xadvance");
        glyph.page = number(pairs, "page");
        if (pairs.count("id") > 0) {
            font.glyphs.emplace(id, glyph);
        }
    }

    void parseKerning(const Pairs& pairs)
    {
        const int32_t first = number(pairs, "first");
        const int32_t second = number(pairs, "second");
        const int32_t amount = number(pairs, "amount");
        if (pairs.count("amount") > 0) {
            font.kerning.emplace(std::make_pair(first, second), amount);
        }
    }

    FontData& font;
    std::string key;
    std::string value;
};

std::string lineProblem(std::size_t lineIndex, const std::string& problem)
{
    return "line " + std::to_string(lineIndex + 1) + ": " + problem;
}

} // namespace

FontData parseLines(const std::vector<std::string>& lines)
{
    FontData font;
    LineParser parser(font);
    for (const std::string& line : lines) {
        parser.parse(line);
    }
    return font;
}

FontData readFile(const std::string& path)
{
    return parseLines(FileUtil::readLines(path));
}

FontData readFileChecked(const std::string& path)
{
    const std::vector<std::string> lines = FileUtil::readLines(path);
    FontData font;
    LineParser parser(font);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            parser.parse(lines[i]);
        } catch (const std::invalid_argument&) {
            throw Engine::DataFileError(
                path, lineProblem(i, "bad number '" + parser.lastValue() + "' for key '" + parser.lastKey() + "'"));
        } catch (const std::out_of_range&) {
            throw Engine::DataFileError(path, lineProblem(i, "number '" + parser.lastValue() +
                                                                 "' out of range for key '" + parser.lastKey() + "'"));
        }
    }
    return font;
}

} // namespace Engine::GFX::FontReader
