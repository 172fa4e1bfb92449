// Fuzz target for the bitmap font description: the raw parser and the checked
// file reader must agree on every input (the checked one turns exactly the raw
// parser's number errors into a DataFileError), and a fixed text is laid out
// with every font either of them accepts.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Engine/Config/FileUtil.h"
#include "Engine/Font/FontReader.h"
#include "Engine/Font/TextLayout.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInputFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

using Engine::GFX::FontData;

// Kerned pairs, spaces and line feeds, then every byte value once, so the
// layout meets bytes above 127 and glyph ids the font may give them.
std::string layoutSample()
{
    std::string text = "AVAT To Wa, fly 0123456789!\n  \"x=y\" [page]\n";
    for (int byte = 0; byte < 256; ++byte) {
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

std::optional<FontData> parseRaw(const std::vector<std::string>& lines)
{
    try {
        return Engine::GFX::FontReader::parseLines(lines);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

std::optional<FontData> readChecked(const std::string& path)
{
    try {
        return Engine::GFX::FontReader::readFileChecked(path);
    } catch (const Engine::DataFileError& error) {
        Fuzz::checkRejection(error, path);
        return std::nullopt;
    }
}

bool sameGlyphs(const FontData& a, const FontData& b)
{
    if (a.glyphs.size() != b.glyphs.size()) {
        return false;
    }
    for (auto p = a.glyphs.begin(), q = b.glyphs.begin(); p != a.glyphs.end(); ++p, ++q) {
        if (p->first != q->first || !Fuzz::sameBytes(p->second, q->second)) {
            return false;
        }
    }
    return true;
}

bool sameFont(const FontData& a, const FontData& b)
{
    return a.kerning == b.kerning && a.pages == b.pages && sameGlyphs(a, b) && a.lineHeight == b.lineHeight &&
           a.base == b.base && a.scaleW == b.scaleW && a.scaleH == b.scaleH;
}

void layOut(const FontData& font)
{
    static const std::string text = layoutSample();
    const Engine::GFX::TextLayout layout = Engine::GFX::layoutText(font, text);
    GAME_ASSERT(layout.quads.size() <= text.size());
}

} // namespace

bool Fuzz::consumeInput(const uint8_t* data, std::size_t size)
{
    static InputFile input("font");
    const std::string& path = input.write(data, size);
    const std::optional<FontData> raw = parseRaw(FileUtil::readLines(path));
    const std::optional<FontData> checked = readChecked(path);
    GAME_ASSERT(raw.has_value() == checked.has_value());
    if (!checked) {
        return false;
    }
    GAME_ASSERT(sameFont(*raw, *checked));
    layOut(*checked);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::consumeInput(data, size);
    return 0;
}
