#include "tools/datagen/art/UiImages.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/art/Shapes.h"

namespace DataGen {

namespace {

using Shapes::coverage;
using Shapes::paint;

constexpr int smoothSamples = 4;
constexpr int pixelArtSamples = 8;
constexpr float pixelArtSoftness = 1.0f / 16.0f; // below the sample spacing: samples alone smooth the edges

float sharp(float d)
{
    return coverage(d, pixelArtSoftness);
}

// ---- buttons -------------------------------------------------------------------

struct ButtonStyle {
    glm::vec3 top;      // body colour at the top edge
    glm::vec3 bottom;   // body colour at the bottom edge
    glm::vec3 rim;      // thin line just inside the frame
    float highlight;    // strength of the light upper bevel
    float shadow;       // strength of the dark lower bevel
    bool sunken;        // pressed: light comes from below
};

ButtonStyle styleOf(ButtonLook look)
{
    switch (look) {
    case ButtonLook::hover:
        return {{0.36f, 0.46f, 0.62f}, {0.20f, 0.27f, 0.38f}, {0.52f, 0.72f, 0.98f}, 0.45f, 0.35f, false};
    case ButtonLook::pressed:
        return {{0.10f, 0.13f, 0.19f}, {0.19f, 0.24f, 0.33f}, {0.42f, 0.60f, 0.86f}, 0.25f, 0.45f, true};
    case ButtonLook::normal:
    default:
        return {{0.28f, 0.33f, 0.42f}, {0.15f, 0.18f, 0.24f}, {0.38f, 0.44f, 0.54f}, 0.35f, 0.35f, false};
    }
}

glm::vec4 buttonShade(glm::vec2 p, const ButtonStyle& style)
{
    const glm::vec2 size(buttonWidth, buttonHeight);
    const glm::vec2 centre = size * 0.5f;
    const float outer = Shapes::roundedBox(p, centre, size * 0.5f - 1.0f, 8.0f);
    const float inner = Shapes::roundedBox(p, centre, size * 0.5f - 3.0f, 6.0f);
    const float height = p.y / size.y;

    glm::vec4 c(0.03f, 0.035f, 0.045f, 1.0f); // backdrop outside the rounded frame
    c = paint(c, {0.05f, 0.06f, 0.08f}, coverage(outer));
    glm::vec3 body = glm::mix(style.bottom, style.top, height);
    body *= 1.0f + 0.10f * std::exp(-std::pow((height - 0.72f) * 4.0f, 2.0f)); // soft gloss
    c = paint(c, body, coverage(inner));
    c = paint(c, style.rim, coverage(std::abs(inner + 0.75f) - 0.75f), 0.8f);

    // Bevels: a light band along the lit edge and a dark one along the other.
    const float lit = style.sunken ? p.y - 3.0f : size.y - 3.0f - p.y;
    const float unlit = style.sunken ? size.y - 3.0f - p.y : p.y - 3.0f;
    const float inside = coverage(inner + 2.0f);
    c = paint(c, glm::vec3(1.0f), inside * coverage(lit - 3.0f), style.highlight * (1.0f - lit / 6.0f));
    c = paint(c, glm::vec3(0.0f), inside * coverage(unlit - 4.0f), style.shadow * (1.0f - unlit / 8.0f));
    return c;
}

// ---- test box ------------------------------------------------------------------

glm::vec4 testBoxShade(glm::vec2 p)
{
    const float size = static_cast<float>(testBoxSize);
    const glm::vec2 centre(size * 0.5f);
    const float frame = Shapes::roundedBox(p, centre, glm::vec2(size * 0.5f - 4.0f), 10.0f);
    glm::vec4 c(0.05f, 0.06f, 0.08f, 1.0f);
    c = paint(c, glm::mix(glm::vec3(0.13f, 0.15f, 0.19f), glm::vec3(0.22f, 0.26f, 0.32f), p.y / size),
              coverage(frame));
    c = paint(c, {0.70f, 0.76f, 0.84f}, coverage(std::abs(frame + 1.5f) - 1.0f));

    const float far = size - 12.0f, near = 12.0f, leg = 26.0f;
    const struct {
        glm::vec2 corner;
        glm::vec2 direction;
        glm::vec3 colour;
    } marks[4] = {{{near, near}, {1, 1}, {0.95f, 0.25f, 0.22f}},
                  {{far, near}, {-1, 1}, {0.30f, 0.85f, 0.35f}},
                  {{near, far}, {1, -1}, {0.30f, 0.50f, 0.98f}},
                  {{far, far}, {-1, -1}, {0.95f, 0.95f, 0.95f}}};
    for (const auto& mark : marks) {
        const std::vector<glm::vec2> triangle{mark.corner, mark.corner + glm::vec2(leg * mark.direction.x, 0.0f),
                                              mark.corner + glm::vec2(0.0f, leg * mark.direction.y)};
        c = paint(c, mark.colour, coverage(Shapes::polygon(p, triangle)));
    }
    const float cross = std::min(Shapes::segment(p, {44, 44}, {84, 84}), Shapes::segment(p, {44, 84}, {84, 44}));
    c = paint(c, {0.55f, 0.60f, 0.68f}, coverage(cross - 1.5f));
    c = paint(c, {0.85f, 0.88f, 0.92f}, coverage(std::abs(Shapes::circle(p, centre, 22.0f)) - 1.25f));
    return c;
}

// ---- crosshair ------------------------------------------------------------------

// Four two-texel arms around an open centre, with a soft dark rim so the
// mark reads on bright and dark scenes alike.
float crosshairDistance(glm::vec2 p)
{
    const glm::vec2 centre(crosshairSize * 0.5f);
    const float armHalfLength = 1.75f, armOffset = 3.75f;
    float d = 1e9f;
    const glm::vec2 offsets[4] = {{armOffset, 0}, {-armOffset, 0}, {0, armOffset}, {0, -armOffset}};
    for (const glm::vec2& o : offsets) {
        const glm::vec2 half = o.x != 0.0f ? glm::vec2(armHalfLength, 1.0f) : glm::vec2(1.0f, armHalfLength);
        d = std::min(d, Shapes::box(p, centre + o, half));
    }
    return d;
}

glm::vec4 crosshairShade(glm::vec2 p)
{
    const float d = crosshairDistance(p);
    glm::vec4 c(0.0f);
    c = paint(c, {0.0f, 0.0f, 0.0f}, sharp(d - 1.0f), 0.5f);
    c = paint(c, {1.0f, 1.0f, 1.0f}, sharp(d));
    return c;
}

// ---- cursor --------------------------------------------------------------------

std::vector<glm::vec2> arrowOutline()
{
    // Drawn with y down from the tip, then flipped into image rows (y up).
    const std::vector<glm::vec2> downwards{{1.2f, 1.2f},  {1.2f, 18.0f}, {5.4f, 14.2f}, {8.4f, 21.0f},
                                           {11.4f, 19.7f}, {8.5f, 13.0f}, {14.0f, 13.0f}};
    std::vector<glm::vec2> corners;
    for (const glm::vec2& c : downwards) {
        corners.emplace_back(c.x, static_cast<float>(cursorSize) - c.y);
    }
    return corners;
}

glm::vec4 cursorShade(glm::vec2 p)
{
    static const std::vector<glm::vec2> arrow = arrowOutline();
    const float body = Shapes::polygon(p, arrow);
    const float shadow = Shapes::polygon(p - glm::vec2(1.2f, -1.4f), arrow);
    glm::vec4 c(0.0f);
    c = paint(c, {0.0f, 0.0f, 0.0f}, coverage(shadow - 0.8f, 1.5f), 0.30f);
    c = paint(c, {0.02f, 0.02f, 0.03f}, sharp(body - 0.6f));
    const float height = p.y / cursorSize;
    c = paint(c, glm::mix(glm::vec3(0.86f, 0.88f, 0.92f), glm::vec3(1.0f), height), sharp(body + 0.6f));
    return c;
}

} // namespace

Image makeButtonImage(ButtonLook look)
{
    const ButtonStyle style = styleOf(look);
    return renderImage(buttonWidth, buttonHeight, smoothSamples, [&](glm::vec2 p) { return buttonShade(p, style); });
}

Image makeTestBoxImage()
{
    return renderImage(testBoxSize, testBoxSize, smoothSamples, testBoxShade);
}

Image makeWhiteImage()
{
    return Image(whiteImageSize, whiteImageSize, glm::vec4(1.0f));
}

Image makeCrosshairImage()
{
    return renderImage(crosshairSize, crosshairSize, pixelArtSamples, crosshairShade).premultiplied();
}

Image makeCursorImage()
{
    return renderImage(cursorSize, cursorSize, pixelArtSamples, cursorShade).premultiplied();
}

} // namespace DataGen
