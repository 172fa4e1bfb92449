#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "Engine/Font/FontData.h"
#include "Engine/Graphics/Texture2D.h"

namespace Engine::GFX {

// A bitmap font with its page textures. Needs a current GL context.
class Font : public FontData {
public:
    // Reads directory + fileName and loads every page image from directory.
    // Malformed numbers raise std::stoi's exceptions; a missing file gives an
    // empty font after "MISSING FILE: <path>".
    Font(const std::string& directory, const std::string& fileName);
    // Loads the pages of an already parsed description.
    Font(const std::string& directory, FontData description);

    // For the game: a malformed number becomes an Engine::DataFileError naming
    // the file and the line instead of an unexplained std::stoi exception.
    static std::unique_ptr<Font> load(const std::string& directory, const std::string& fileName);

    // The page must have been loaded.
    std::shared_ptr<Texture2D> getPageTexture(int32_t page) const;

    std::map<int32_t, std::shared_ptr<Texture2D>> textures;
};

} // namespace Engine::GFX
