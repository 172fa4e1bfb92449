#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

namespace Game {

// A three-byte colour that names one face of the merged level model.
struct ColorId {
    uint8_t b0 = 0;
    uint8_t b1 = 0;
    uint8_t b2 = 0;

    bool operator==(const ColorId& other) const { return b0 == other.b0 && b1 == other.b1 && b2 == other.b2; }
    bool operator!=(const ColorId& other) const { return !(*this == other); }

    // As the shaders see it: each byte over 255.
    glm::vec3 toColor() const;
};

// Hands out unique colour ids. Released ids are reused first, newest first;
// otherwise the next id is (b0, b1, b2), counting b0 fastest, then b1, then
// b2. The count starts at (0, 0, 1), so the first 65 536 ids all have b2 = 1.
// Past (255, 255, 255) there is no unique id left: taking one then is a
// programming error ("colour id pool exhausted").
class ColorIdPool {
public:
    ColorId take();
    void release(ColorId id);

    uint8_t b0 = 0;
    uint8_t b1 = 0;
    uint8_t b2 = 1;
    bool exhausted = false;
    std::vector<ColorId> released;

private:
    void advance();
};

} // namespace Game
