#include "tools/datagen/character/FontBaker.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <stdexcept>

#include <FreeImage.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace DataGen::FontBaker {

namespace {

constexpr int pageWidth = 256;
constexpr int glyphSpacing = 1; // empty pixels between glyphs, so filtering never bleeds
constexpr int bytesPerPixel = 4;

// FreeType metrics are 26.6 fixed point.
int roundedPixels(long fixed)
{
    return static_cast<int>((fixed + 32) >> 6);
}

int ceiledPixels(long fixed)
{
    return static_cast<int>((fixed + 63) >> 6);
}

struct Library {
    FT_Library handle = nullptr;
    Library()
    {
        if (FT_Init_FreeType(&handle) != 0) {
            throw std::runtime_error("FreeType cannot be initialised");
        }
    }
    ~Library() { FT_Done_FreeType(handle); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

struct Face {
    FT_Face handle = nullptr;
    Face(const Library& library, const std::string& path)
    {
        if (FT_New_Face(library.handle, path.c_str(), 0, &handle) != 0) {
            throw std::runtime_error(path + ": FreeType cannot load the font");
        }
    }
    ~Face() { FT_Done_Face(handle); }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
};

struct RenderedGlyph {
    int id = 0;
    Engine::GFX::Glyph glyph;
    std::vector<uint8_t> coverage; // width x height, rows from the top
};

RenderedGlyph renderGlyph(FT_Face face, int id, int base)
{
    if (FT_Load_Char(face, static_cast<FT_ULong>(id), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) {
        throw std::runtime_error("FreeType cannot render character " + std::to_string(id));
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    RenderedGlyph rendered;
    rendered.id = id;
    rendered.glyph.width = static_cast<int32_t>(bitmap.width);
    rendered.glyph.height = static_cast<int32_t>(bitmap.rows);
    rendered.glyph.xoffset = slot->bitmap_left;
    rendered.glyph.yoffset = base - slot->bitmap_top;
    rendered.glyph.xadvance = roundedPixels(slot->advance.x);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        rendered.coverage.insert(rendered.coverage.end(), line, line + bitmap.width);
    }
    return rendered;
}

// Shelf packing in character order: glyphs fill a row left to right, a new
// row starts below the tallest glyph of the previous one.
int packGlyphs(std::vector<RenderedGlyph>& glyphs)
{
    int x = glyphSpacing;
    int y = glyphSpacing;
    int rowHeight = 0;
    for (RenderedGlyph& rendered : glyphs) {
        Engine::GFX::Glyph& glyph = rendered.glyph;
        if (x + glyph.width + glyphSpacing > pageWidth) {
            x = glyphSpacing;
            y += rowHeight + glyphSpacing;
            rowHeight = 0;
        }
        glyph.x = x;
        glyph.y = y;
        x += glyph.width + glyphSpacing;
        rowHeight = std::max(rowHeight, static_cast<int>(glyph.height));
    }
    return y + rowHeight + glyphSpacing;
}

int nextPowerOfTwo(int value)
{
    int power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

std::vector<uint8_t> drawPage(const std::vector<RenderedGlyph>& glyphs, int width, int height)
{
    std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * bytesPerPixel, 0);
    for (std::size_t pixel = 0; pixel < rgba.size(); pixel += bytesPerPixel) {
        rgba[pixel] = rgba[pixel + 1] = rgba[pixel + 2] = 255; // white, so filtered edges never darken
    }
    for (const RenderedGlyph& rendered : glyphs) {
        const Engine::GFX::Glyph& glyph = rendered.glyph;
        for (int row = 0; row < glyph.height; ++row) {
            for (int column = 0; column < glyph.width; ++column) {
                const std::size_t pixel = static_cast<std::size_t>(glyph.y + row) * width + glyph.x + column;
                const std::size_t source = static_cast<std::size_t>(row) * glyph.width + column;
                rgba[pixel * bytesPerPixel + 3] = rendered.coverage[source];
            }
        }
    }
    return rgba;
}

void addKerning(FT_Face face, Engine::GFX::FontData& metrics)
{
    if (!FT_HAS_KERNING(face)) {
        return;
    }
    for (int first = firstCharacter; first <= lastCharacter; ++first) {
        for (int second = firstCharacter; second <= lastCharacter; ++second) {
            FT_Vector delta;
            FT_Get_Kerning(face, FT_Get_Char_Index(face, static_cast<FT_ULong>(first)),
                           FT_Get_Char_Index(face, static_cast<FT_ULong>(second)), FT_KERNING_DEFAULT, &delta);
            const int amount = roundedPixels(delta.x);
            if (amount != 0) {
                metrics.kerning.emplace(std::make_pair(first, second), amount);
            }
        }
    }
}

} // namespace

BakedFont bake(const std::string& fontPath, int pixelSize)
{
    const Library library;
    const Face face(library, fontPath);
    if (FT_Set_Pixel_Sizes(face.handle, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        throw std::runtime_error(fontPath + ": FreeType cannot set the pixel size");
    }
    BakedFont font;
    const char* family = face.handle->family_name;
    const char* style = face.handle->style_name;
    font.faceName = std::string(family != nullptr ? family : "font") + (style != nullptr ? style : "");
    font.faceName.erase(std::remove(font.faceName.begin(), font.faceName.end(), ' '), font.faceName.end());
    font.pixelSize = pixelSize;
    const FT_Size_Metrics& size = face.handle->size->metrics;
    font.metrics.base = ceiledPixels(size.ascender);
    // Lines must hold the deepest descender, which the face's line spacing
    // alone does not promise at every size.
    font.metrics.lineHeight = std::max(ceiledPixels(size.height), font.metrics.base + ceiledPixels(-size.descender));

    std::vector<RenderedGlyph> glyphs;
    for (int id = firstCharacter; id <= lastCharacter; ++id) {
        glyphs.push_back(renderGlyph(face.handle, id, font.metrics.base));
    }
    font.pageWidth = pageWidth;
    font.pageHeight = nextPowerOfTwo(packGlyphs(glyphs));
    font.pageRgba = drawPage(glyphs, font.pageWidth, font.pageHeight);
    font.metrics.scaleW = font.pageWidth;
    font.metrics.scaleH = font.pageHeight;
    for (const RenderedGlyph& rendered : glyphs) {
        font.metrics.glyphs.emplace(rendered.id, rendered.glyph);
    }
    addKerning(face.handle, font.metrics);
    return font;
}

std::string describe(const BakedFont& font, const std::string& pageFile)
{
    const Engine::GFX::FontData& m = font.metrics;
    std::ostringstream text;
    text << "info face=\"" << font.faceName << "\" size=" << font.pixelSize
         << " bold=0 italic=0 charset=\"\" unicode=0 stretchH=100 smooth=1 aa=1 padding=0,0,0,0 spacing="
         << glyphSpacing << "," << glyphSpacing << "\n";
    text << "common lineHeight=" << m.lineHeight << " base=" << m.base << " scaleW=" << m.scaleW
         << " scaleH=" << m.scaleH << " pages=1 packed=0\n";
    text << "page id=0 file=\"" << pageFile << "\"\n";
    text << "chars count=" << m.glyphs.size() << "\n";
    for (const auto& [id, g] : m.glyphs) {
        text << "char id=" << id << " x=" << g.x << " y=" << g.y << " width=" << g.width << " height=" << g.height
             << " xoffset=" << g.xoffset << " yoffset=" << g.yoffset << " xadvance=" << g.xadvance
             << " page=" << g.page << " chnl=15\n";
    }
    text << "kernings count=" << m.kerning.size() << "\n";
    for (const auto& [pair, amount] : m.kerning) {
        text << "kerning first=" << pair.first << " second=" << pair.second << " amount=" << amount << "\n";
    }
    return text.str();
}

void savePage(const BakedFont& font, const std::string& path)
{
    std::unique_ptr<FIBITMAP, void (*)(FIBITMAP*)> image(
        FreeImage_Allocate(font.pageWidth, font.pageHeight, 32), FreeImage_Unload);
    if (!image) {
        throw std::runtime_error(path + ": cannot allocate the page image");
    }
    for (int row = 0; row < font.pageHeight; ++row) {
        // FreeImage stores the bottom row first.
        BYTE* line = FreeImage_GetScanLine(image.get(), font.pageHeight - 1 - row);
        for (int column = 0; column < font.pageWidth; ++column) {
            const std::size_t pixel = static_cast<std::size_t>(row) * font.pageWidth + column;
            const uint8_t* source = &font.pageRgba[pixel * bytesPerPixel];
            BYTE* target = line + column * bytesPerPixel;
            target[FI_RGBA_RED] = source[0];
            target[FI_RGBA_GREEN] = source[1];
            target[FI_RGBA_BLUE] = source[2];
            target[FI_RGBA_ALPHA] = source[3];
        }
    }
    if (!FreeImage_Save(FIF_PNG, image.get(), path.c_str(), PNG_DEFAULT)) {
        throw std::runtime_error(path + ": cannot write the page image");
    }
}

} // namespace DataGen::FontBaker
