#include "tools/datagen/art/SurfaceTextures.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/art/Noise.h"
#include "tools/datagen/art/Shapes.h"

namespace DataGen {

namespace {

constexpr int smoothSamples = 4;
const float sqrt3 = std::sqrt(3.0f);

// Distance in pixels from x to the nearest multiple of `spacing`.
float distanceToLine(float x, float spacing)
{
    const float r = std::fmod(x, spacing);
    return std::min(r, spacing - r);
}

// ---- grid -------------------------------------------------------------------

glm::vec4 gridShade(glm::vec2 p)
{
    const float size = static_cast<float>(gridImageSize);
    const float major = std::min(distanceToLine(p.x, size), distanceToLine(p.y, size));
    const float minor = std::min(distanceToLine(p.x, size / 4.0f), distanceToLine(p.y, size / 4.0f));
    const float fine = std::min(distanceToLine(p.x, size / 16.0f), distanceToLine(p.y, size / 16.0f));
    const float grain = Noise::periodicFractal(p / 16.0f, gridImageSize / 16, 3, 11u);

    glm::vec4 c(glm::vec3(0.12f, 0.14f, 0.17f) * (0.92f + 0.16f * grain), 0.82f);
    c = Shapes::paint(c, {0.30f, 0.34f, 0.39f}, Shapes::coverage(fine - 0.5f), 0.35f);
    c = Shapes::paint(c, {0.50f, 0.56f, 0.63f}, Shapes::coverage(minor - 1.25f), 0.9f);
    c = Shapes::paint(c, {0.55f, 0.70f, 0.85f}, std::exp(-major / 5.0f), 0.35f);
    c = Shapes::paint(c, {0.86f, 0.91f, 0.96f}, Shapes::coverage(major - 3.0f));
    return c;
}

// ---- default ----------------------------------------------------------------

glm::vec4 defaultShade(glm::vec2 p)
{
    constexpr float cell = 64.0f;
    const int cx = static_cast<int>(p.x / cell);
    const int cy = static_cast<int>(p.y / cell);
    const float checker = ((cx + cy) % 2 == 0) ? 0.86f : 0.80f;
    const float grain = Noise::periodicFractal(p / 8.0f, defaultImageSize / 8, 4, 23u);
    const float seam = std::min(distanceToLine(p.x, cell), distanceToLine(p.y, cell));

    glm::vec4 c(glm::vec3(checker + 0.05f * (grain - 0.5f)), 1.0f);
    c = Shapes::paint(c, glm::vec3(0.62f), Shapes::coverage(seam - 1.0f));
    return c;
}

// ---- hexagons ----------------------------------------------------------------

// Plates are pointy-top hexagons of circumradius 1 in "hex space"; 7 across
// and 4 double rows up make a period of (7 sqrt 3, 12), which the image is
// stretched onto (about 1 % wider than regular, which nobody can see).
constexpr int hexAcross = 7;
constexpr int hexDoubleRows = 4;
const float apothem = sqrt3 / 2.0f;

struct HexCell {
    int q;
    int r;
    glm::vec2 offset; // from the plate centre to the point
};

HexCell nearestHex(glm::vec2 p)
{
    const float fq = sqrt3 / 3.0f * p.x - p.y / 3.0f;
    const float fr = 2.0f / 3.0f * p.y;
    const float fs = -fq - fr;
    float q = std::round(fq), r = std::round(fr), s = std::round(fs);
    const float dq = std::abs(q - fq), dr = std::abs(r - fr), ds = std::abs(s - fs);
    if (dq > dr && dq > ds) {
        q = -r - s;
    } else if (dr > ds) {
        r = -q - s;
    }
    const glm::vec2 centre(sqrt3 * (q + r / 2.0f), 1.5f * r);
    return {static_cast<int>(q), static_cast<int>(r), p - centre};
}

// The same plate index for every copy of a plate across the image's period.
uint32_t plateId(int q, int r)
{
    const int rows = 2 * hexDoubleRows;
    const int k = static_cast<int>(std::floor(static_cast<float>(r) / rows));
    const int rr = r - rows * k;
    int qq = (q + hexDoubleRows * k) % hexAcross;
    qq = qq < 0 ? qq + hexAcross : qq;
    return static_cast<uint32_t>(rr * hexAcross + qq);
}

glm::vec4 hexagonShade(glm::vec2 pixel)
{
    const float size = static_cast<float>(hexagonImageSize);
    const glm::vec2 p(pixel.x / size * hexAcross * sqrt3, pixel.y / size * 3.0f * hexDoubleRows);
    const HexCell cell = nearestHex(p);

    const glm::vec2 normals[3] = {{1.0f, 0.0f}, {0.5f, apothem}, {-0.5f, apothem}};
    glm::vec2 sideNormal(1.0f, 0.0f);
    float reach = 0.0f;
    for (const glm::vec2& n : normals) {
        const float e = glm::dot(cell.offset, n);
        if (std::abs(e) > reach) {
            reach = std::abs(e);
            sideNormal = e < 0.0f ? -n : n;
        }
    }
    const float edge = apothem - reach; // distance to the plate border, hex units
    const float unitsPerPixel = hexAcross * sqrt3 / size;

    const float tone = 0.9f + 0.2f * Noise::hash(static_cast<int>(plateId(cell.q, cell.r)), 0, 0, 41u);
    const float grain = Noise::periodicFractal(pixel / 16.0f, hexagonImageSize / 16, 3, 43u);
    const glm::vec3 plate = glm::vec3(0.50f, 0.56f, 0.60f) * tone * (0.94f + 0.12f * grain);
    const float centreGlow = 1.0f + 0.08f * (1.0f - glm::length(cell.offset));

    constexpr float groove = 0.05f;
    constexpr float bevel = 0.13f;
    const glm::vec2 light = glm::normalize(glm::vec2(-0.6f, 0.8f));
    const float bevelBand = glm::clamp((bevel - (edge - groove)) / bevel, 0.0f, 1.0f);
    const float facing = glm::dot(sideNormal, light);

    glm::vec3 colour = plate * centreGlow * (1.0f + 0.45f * facing * bevelBand);
    const float grooveCover = Shapes::coverage((edge - groove) / unitsPerPixel);
    colour = glm::mix(colour, glm::vec3(0.10f, 0.11f, 0.13f), grooveCover);
    return glm::vec4(colour, 1.0f);
}

} // namespace

Image makeGridImage()
{
    return renderImage(gridImageSize, gridImageSize, smoothSamples, gridShade);
}

Image makeDefaultImage()
{
    return renderImage(defaultImageSize, defaultImageSize, smoothSamples, defaultShade);
}

Image makeHexagonImage()
{
    return renderImage(hexagonImageSize, hexagonImageSize, smoothSamples, hexagonShade);
}

} // namespace DataGen
