#include "Game/Level/ColorIdPool.h"

#include "Engine/Base/Assert.h"

namespace Game {

namespace {
constexpr float byteScale = 255.0f;
constexpr uint8_t lastByte = 255;
} // namespace

glm::vec3 ColorId::toColor() const
{
    return glm::vec3(b0 / byteScale, b1 / byteScale, b2 / byteScale);
}

ColorId ColorIdPool::take()
{
    if (!released.empty()) {
        const ColorId id = released.back();
        released.pop_back();
        return id;
    }
    GAME_ASSERT_MSG(!exhausted, "colour id pool exhausted");
    const ColorId id{b0, b1, b2};
    advance();
    return id;
}

void ColorIdPool::release(ColorId id)
{
    released.push_back(id);
}

// Counts like a three-digit number in base 256 with b0 as the lowest digit.
void ColorIdPool::advance()
{
    if (b0 != lastByte) {
        ++b0;
        return;
    }
    b0 = 0;
    if (b1 != lastByte) {
        ++b1;
        return;
    }
    b1 = 0;
    if (b2 != lastByte) {
        ++b2;
        return;
    }
    exhausted = true;
}

} // namespace Game
