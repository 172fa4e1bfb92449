#include "tools/datagen/art/SkyBox.h"

#include <cmath>

#include "Engine/Mesh/MeshBuilder.h"
#include "tools/datagen/art/Noise.h"

namespace DataGen {

namespace {

using Engine::GFX::Mesh::MeshBuilder;

// Cell edges sit half a texel inside the exact thirds and halves so that
// linear filtering never mixes two cells.
const std::array<SkyFace, 6> faceTable = {{
    {"+y", {-1, 1, 1}, {1, 1, -1}, {4095.0f / 4096, 1.0f / 4096}, {2.0f / 3 + 1.0f / 6144, 2047.0f / 4096}, true},
    {"+x", {1, -1, -1}, {1, 1, 1}, {4095.0f / 4096, 2049.0f / 4096}, {2.0f / 3 + 1.0f / 6144, 4095.0f / 4096}, true},
    {"-x", {-1, 1, -1}, {-1, -1, 1}, {1.0f / 3 - 1.0f / 6144, 2049.0f / 4096}, {1.0f / 6144, 4095.0f / 4096}, true},
    {"-y", {1, -1, 1}, {-1, -1, -1}, {1.0f / 3 - 1.0f / 12288, 4095.0f / 4096}, {4095.0f / 6144, 2049.0f / 4096},
     true},
    {"top", {1, -1, 1}, {-1, 1, 1}, {4095.0f / 6144, 2047.0f / 4096}, {2049.0f / 6144, 1.0f / 4096}, false},
    {"bottom", {-1, -1, -1}, {1, 1, -1}, {1.0f / 6144, 1.0f / 4096}, {1.0f / 3 - 1.0f / 6144, 2047.0f / 4096}, false},
}};

glm::ivec2 cellOf(glm::vec2 texcoord)
{
    return glm::clamp(glm::ivec2(static_cast<int>(std::floor(texcoord.x * 3.0f)),
                                 static_cast<int>(std::floor(texcoord.y * 2.0f))),
                      glm::ivec2(0), glm::ivec2(2, 1));
}

// Texture coordinate -> cube position of one face, recovered from the
// triangles the mesh builder makes for it (position is affine in texcoord).
struct FaceMapping {
    glm::vec3 origin;
    glm::vec3 alongU;
    glm::vec3 alongV;
    glm::vec2 texOrigin;
};

FaceMapping mappingOf(const SkyFace& face)
{
    MeshBuilder builder;
    const glm::vec4 white(1.0f);
    if (face.wall) {
        builder.addVerticalRectangle(face.corner1, face.corner2, white, face.texCorner1, face.texCorner2);
    } else {
        builder.addHorizontalRectangle(face.corner1, face.corner2, white, face.texCorner1, face.texCorner2);
    }
    const glm::vec3 p0 = builder.positions[0];
    const glm::vec2 t0 = builder.texcoords[0];
    const glm::mat2 texEdges(builder.texcoords[1] - t0, builder.texcoords[2] - t0);
    const glm::mat2 inverse = glm::inverse(texEdges);
    const glm::vec3 e1 = builder.positions[1] - p0;
    const glm::vec3 e2 = builder.positions[2] - p0;
    // position = p0 + e1 * a + e2 * b with (a, b) = inverse * (t - t0)
    return {p0, e1 * inverse[0][0] + e2 * inverse[0][1], e1 * inverse[1][0] + e2 * inverse[1][1], t0};
}

const std::array<FaceMapping, 6>& faceMappings()
{
    static const std::array<FaceMapping, 6> mappings = [] {
        std::array<FaceMapping, 6> result{};
        for (std::size_t i = 0; i < faceTable.size(); ++i) {
            result[i] = mappingOf(faceTable[i]);
        }
        return result;
    }();
    return mappings;
}

// ---- the sky itself ------------------------------------------------------------

const glm::vec3 zenithColour(0.15f, 0.34f, 0.72f);
const glm::vec3 horizonColour(0.78f, 0.86f, 0.95f);
const glm::vec3 groundFarColour(0.20f, 0.22f, 0.25f);
const glm::vec3 sunColour(1.0f, 0.93f, 0.78f);

glm::vec3 sunDirection()
{
    const float azimuth = glm::radians(40.0f), elevation = glm::radians(28.0f);
    return {std::cos(azimuth) * std::cos(elevation), std::sin(azimuth) * std::cos(elevation), std::sin(elevation)};
}

glm::vec3 gradient(float elevation)
{
    if (elevation >= 0.0f) {
        return glm::mix(horizonColour, zenithColour, std::pow(elevation, 0.45f));
    }
    // The ground starts just below the horizon's haze so the two meet softly.
    return glm::mix(horizonColour * 0.9f, groundFarColour, std::pow(-elevation, 0.45f));
}

// Clouds live on a plane above the viewer; far away they thin out into haze.
glm::vec3 addClouds(const glm::vec3& sky, const glm::vec3& d)
{
    if (d.z <= 0.0f) {
        return sky;
    }
    const glm::vec2 onPlane = glm::vec2(d) / (d.z + 0.12f) * 1.6f;
    const float density = Noise::fractal(glm::vec3(onPlane, 0.5f), 6, 7u);
    const float cover = glm::smoothstep(0.50f, 0.72f, density) * glm::smoothstep(0.02f, 0.25f, d.z);
    const glm::vec2 towardsSun = glm::normalize(glm::vec2(sunDirection())) * 0.08f;
    const float shadow = Noise::fractal(glm::vec3(onPlane + towardsSun, 0.5f), 6, 7u);
    const float lit = glm::clamp(1.0f - (shadow - density) * 6.0f, 0.0f, 1.0f);
    const glm::vec3 cloud = glm::mix(glm::vec3(0.70f, 0.74f, 0.80f), glm::vec3(0.98f, 0.98f, 0.97f), lit);
    return glm::mix(sky, cloud, cover * 0.9f);
}

glm::vec3 addSun(const glm::vec3& sky, const glm::vec3& d)
{
    const float facing = std::max(glm::dot(d, sunDirection()), 0.0f);
    const float glow = 0.30f * std::pow(facing, 10.0f) + 0.45f * std::pow(facing, 400.0f);
    const float disc = glm::smoothstep(0.99955f, 0.99975f, facing);
    return glm::mix(sky + sunColour * glow, glm::vec3(1.0f, 0.98f, 0.92f), disc);
}

glm::vec3 addHaze(const glm::vec3& sky, const glm::vec3& d)
{
    return glm::mix(sky, horizonColour * 1.05f, 0.35f * std::exp(-std::abs(d.z) * 14.0f));
}

} // namespace

const std::array<SkyFace, 6>& skyFaces()
{
    return faceTable;
}

int skyFaceAt(glm::vec2 texcoord)
{
    const glm::ivec2 cell = cellOf(texcoord);
    for (std::size_t i = 0; i < faceTable.size(); ++i) {
        if (cellOf((faceTable[i].texCorner1 + faceTable[i].texCorner2) * 0.5f) == cell) {
            return static_cast<int>(i);
        }
    }
    return 0; // unreachable: the six faces fill the six cells
}

glm::vec3 skyDirectionOnFace(int face, glm::vec2 texcoord)
{
    const FaceMapping& m = faceMappings()[static_cast<std::size_t>(face)];
    const glm::vec2 t = texcoord - m.texOrigin;
    return glm::normalize(m.origin + m.alongU * t.x + m.alongV * t.y);
}

glm::vec3 skyDirectionAt(glm::vec2 texcoord)
{
    return skyDirectionOnFace(skyFaceAt(texcoord), texcoord);
}

glm::vec3 skyColour(const glm::vec3& direction)
{
    glm::vec3 sky = gradient(direction.z);
    sky = addClouds(sky, direction);
    sky = addHaze(sky, direction);
    sky = addSun(sky, direction);
    return glm::clamp(sky, 0.0f, 1.0f);
}

Image makeSkyBoxImage()
{
    Image image(skyImageWidth, skyImageHeight);
    for (int y = 0; y < skyImageHeight; ++y) {
        for (int x = 0; x < skyImageWidth; ++x) {
            const glm::vec2 texcoord((x + 0.5f) / skyImageWidth, (y + 0.5f) / skyImageHeight);
            image.at(x, y) = glm::vec4(skyColour(skyDirectionAt(texcoord)), 1.0f);
        }
    }
    return image;
}

} // namespace DataGen
