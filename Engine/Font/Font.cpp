#include "Engine/Font/Font.h"

#include <utility>

#include "Engine/Base/Assert.h"
#include "Engine/Font/FontReader.h"

namespace Engine::GFX {

Font::Font(const std::string& directory, const std::string& fileName)
    : Font(directory, FontReader::readFile(directory + fileName))
{
}

Font::Font(const std::string& directory, FontData description) : FontData(std::move(description))
{
    for (const auto& [page, file] : pages) {
        textures.emplace(page, Texture2D::loadFromFile(directory + file));
    }
}

std::unique_ptr<Font> Font::load(const std::string& directory, const std::string& fileName)
{
    return std::make_unique<Font>(directory, FontReader::readFileChecked(directory + fileName));
}

std::shared_ptr<Texture2D> Font::getPageTexture(int32_t page) const
{
    GAME_ASSERT(textures.count(page) > 0);
    return textures.at(page);
}

} // namespace Engine::GFX
