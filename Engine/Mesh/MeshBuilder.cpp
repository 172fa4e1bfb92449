#include "Engine/Mesh/MeshBuilder.h"

#include <cmath>

namespace Engine::GFX::Mesh {

namespace {

constexpr int cylinderSegments = 16;
constexpr double cylinderStepDegrees = 22.5;
constexpr float cylinderTexStep = 0.0625f; // 1 / cylinderSegments
constexpr double pi = 3.14159265358979323846;

double toRadians(double degrees)
{
    return degrees * pi / 180.0;
}

glm::vec3 transformPoint(const glm::vec3& point, const glm::mat4* transform)
{
    return transform ? glm::vec3(*transform * glm::vec4(point, 1.0f)) : point;
}

MeshVertex vertex(const glm::vec3& position, const glm::vec4& color, glm::vec2 texcoord)
{
    return MeshVertex{position, glm::vec3(0.0f), color, texcoord};
}

// Unit direction from the centre of a latitude-longitude sphere.
glm::vec3 sphereDirection(int i, int j, int slices, int stacks)
{
    const double theta = toRadians(i * 360.0 / slices);
    const double phi = toRadians(j * 180.0 / stacks - 90.0);
    return glm::vec3(static_cast<float>(std::cos(phi) * std::cos(theta)),
                     static_cast<float>(std::cos(phi) * std::sin(theta)), static_cast<float>(std::sin(phi)));
}

} // namespace

void MeshBuilder::clear()
{
    positions.clear();
    normals.clear();
    colors.clear();
    texcoords.clear();
}

void MeshBuilder::appendVertex(const glm::vec3& position, const glm::vec3& normal, const glm::vec4& color,
                               glm::vec2 texcoord)
{
    positions.push_back(position);
    normals.push_back(normal);
    colors.push_back(color);
    texcoords.push_back(texcoord);
}

// The normal comes from the untransformed corners on purpose: transformed
// shapes keep their model-space lighting direction.
void MeshBuilder::appendTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                                 const glm::mat4* transform)
{
    const glm::vec3 normal = glm::normalize(glm::cross(b.position - a.position, c.position - a.position));
    for (const MeshVertex* corner : {&a, &b, &c}) {
        appendVertex(transformPoint(corner->position, transform), normal, corner->color, corner->texcoord);
    }
}

void MeshBuilder::addTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c)
{
    appendTriangle(a, b, c, nullptr);
}

void MeshBuilder::addTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                              const glm::mat4& transform)
{
    appendTriangle(a, b, c, &transform);
}

void MeshBuilder::addQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, const glm::vec4& color, glm::vec2 texLowerLeft,
                          glm::vec2 texUpperRight)
{
    const MeshVertex bl = vertex({lowerLeft.x, lowerLeft.y, 0.0f}, color, texLowerLeft);
    const MeshVertex tl = vertex({lowerLeft.x, upperRight.y, 0.0f}, color, {texLowerLeft.x, texUpperRight.y});
    const MeshVertex br = vertex({upperRight.x, lowerLeft.y, 0.0f}, color, {texUpperRight.x, texLowerLeft.y});
    const MeshVertex tr = vertex({upperRight.x, upperRight.y, 0.0f}, color, texUpperRight);
    appendTriangle(br, tl, bl, nullptr);
    appendTriangle(br, tr, tl, nullptr);
}

void MeshBuilder::addQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, const glm::vec4& color, glm::vec2 texUpperRight)
{
    addQuad(lowerLeft, upperRight, color, glm::vec2(0.0f), texUpperRight);
}

void MeshBuilder::appendHorizontal(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                   glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4* transform)
{
    // The first triangle lies at a.z, the second at b.z.
    appendTriangle(vertex({a.x, b.y, a.z}, color, {texCorner1.x, texCorner2.y}),
                   vertex({a.x, a.y, a.z}, color, texCorner1),
                   vertex({b.x, a.y, a.z}, color, {texCorner2.x, texCorner1.y}), transform);
    appendTriangle(vertex({a.x, b.y, b.z}, color, {texCorner1.x, texCorner2.y}),
                   vertex({b.x, a.y, b.z}, color, {texCorner2.x, texCorner1.y}),
                   vertex({b.x, b.y, b.z}, color, texCorner2), transform);
}

void MeshBuilder::addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                         glm::vec2 repeat)
{
    appendHorizontal(a, b, color, glm::vec2(0.0f), repeat, nullptr);
}

void MeshBuilder::addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                         glm::vec2 repeat, const glm::mat4& transform)
{
    appendHorizontal(a, b, color, glm::vec2(0.0f), repeat, &transform);
}

void MeshBuilder::addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                         glm::vec2 texCorner1, glm::vec2 texCorner2)
{
    appendHorizontal(a, b, color, texCorner1, texCorner2, nullptr);
}

void MeshBuilder::addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                         glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4& transform)
{
    appendHorizontal(a, b, color, texCorner1, texCorner2, &transform);
}

void MeshBuilder::appendVertical(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                                 glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4* transform)
{
    const MeshVertex pLow = vertex({p.x, p.y, p.z}, color, texCorner1);
    const MeshVertex pHigh = vertex({p.x, p.y, q.z}, color, {texCorner1.x, texCorner2.y});
    const MeshVertex qLow = vertex({q.x, q.y, p.z}, color, {texCorner2.x, texCorner1.y});
    const MeshVertex qHigh = vertex({q.x, q.y, q.z}, color, texCorner2);
    appendTriangle(pLow, pHigh, qLow, transform);
    appendTriangle(pHigh, qHigh, qLow, transform);
}

// The repeat form puts (repeat.x, 0) at the low p end, which is the corner
// form with t1 = (repeat.x, 0) and t2 = (0, repeat.y).
void MeshBuilder::addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                                       glm::vec2 repeat)
{
    appendVertical(p, q, color, {repeat.x, 0.0f}, {0.0f, repeat.y}, nullptr);
}

void MeshBuilder::addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                                       glm::vec2 repeat, const glm::mat4& transform)
{
    appendVertical(p, q, color, {repeat.x, 0.0f}, {0.0f, repeat.y}, &transform);
}

void MeshBuilder::addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                                       glm::vec2 texCorner1, glm::vec2 texCorner2)
{
    appendVertical(p, q, color, texCorner1, texCorner2, nullptr);
}

void MeshBuilder::addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                                       glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4& transform)
{
    appendVertical(p, q, color, texCorner1, texCorner2, &transform);
}

// Faces +Z, -Z, +Y, -Y, -X, +X. The +X wall is built from its high edge down
// and its negated repeat keeps the texture upright like on the other walls.
void MeshBuilder::appendBox(const glm::vec3& lo, const glm::vec3& hi, const glm::vec4& color, glm::vec2 repeat,
                            const glm::mat4* transform)
{
    const glm::vec2 origin(0.0f);
    const auto wall = [&](const glm::vec3& p, const glm::vec3& q, glm::vec2 wallRepeat) {
        appendVertical(p, q, color, {wallRepeat.x, 0.0f}, {0.0f, wallRepeat.y}, transform);
    };
    appendHorizontal({lo.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, color, origin, repeat, transform);
    appendHorizontal({hi.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, color, origin, repeat, transform);
    wall({lo.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, repeat);
    wall({hi.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, repeat);
    wall({lo.x, lo.y, lo.z}, {lo.x, hi.y, hi.z}, repeat);
    wall({hi.x, lo.y, hi.z}, {hi.x, hi.y, lo.z}, -repeat);
}

void MeshBuilder::addBox(const glm::vec3& minCorner, const glm::vec3& maxCorner, const glm::vec4& color,
                         glm::vec2 repeat)
{
    appendBox(minCorner, maxCorner, color, repeat, nullptr);
}

void MeshBuilder::addBox(const glm::vec3& minCorner, const glm::vec3& maxCorner, const glm::vec4& color,
                         glm::vec2 repeat, const glm::mat4& transform)
{
    appendBox(minCorner, maxCorner, color, repeat, &transform);
}

// The caps fan around the cylinder's own axis so an off-centre cylinder stays
// closed.
void MeshBuilder::addCylinder(const glm::vec3& center, float height, float radius, const glm::vec4& color,
                              glm::vec2 repeat)
{
    const glm::vec2 none(0.0f);
    const glm::vec3 bottomCentre(center.x, center.y, 0.0f);
    const glm::vec3 topCentre(center.x, center.y, height);
    for (int k = 0; k < cylinderSegments; ++k) {
        const double a0 = toRadians(k * cylinderStepDegrees);
        const double a1 = toRadians((k + 1) * cylinderStepDegrees);
        const glm::vec2 rim0(center.x + radius * static_cast<float>(std::cos(a0)),
                             center.y + radius * static_cast<float>(std::sin(a0)));
        const glm::vec2 rim1(center.x + radius * static_cast<float>(std::cos(a1)),
                             center.y + radius * static_cast<float>(std::sin(a1)));
        const glm::vec3 low0(rim0, 0.0f), high0(rim0, height), low1(rim1, 0.0f), high1(rim1, height);
        const float u0 = static_cast<float>(k) * cylinderTexStep * repeat.x;
        const float u1 = static_cast<float>(k + 1) * cylinderTexStep * repeat.x;
        appendTriangle(vertex(low0, color, none), vertex(bottomCentre, color, none), vertex(low1, color, none),
                       nullptr);
        appendTriangle(vertex(high0, color, none), vertex(high1, color, none), vertex(topCentre, color, none),
                       nullptr);
        appendTriangle(vertex(low0, color, {u0, 0.0f}), vertex(high1, color, {u1, repeat.y}),
                       vertex(high0, color, {u0, repeat.y}), nullptr);
        appendTriangle(vertex(high1, color, {u1, repeat.y}), vertex(low0, color, {u0, 0.0f}),
                       vertex(low1, color, {u1, 0.0f}), nullptr);
    }
}

// Cell (i, j) spans longitudes i..i+1 and latitudes j..j+1. The cells of the
// first row meet at the lower pole and are single triangles.
void MeshBuilder::addSphere(const glm::vec3& center, float radius, int slices, int stacks, const glm::vec4& color,
                            glm::vec2 repeat)
{
    if (slices < 1 || stacks < 1) {
        return;
    }
    const auto corner = [&](int i, int j) {
        const glm::vec3 direction = sphereDirection(i, j, slices, stacks);
        const glm::vec2 texcoord(static_cast<float>(i) / static_cast<float>(slices) * repeat.x,
                                 static_cast<float>(j) / static_cast<float>(stacks) * repeat.y);
        return MeshVertex{center + radius * direction, direction, color, texcoord};
    };
    const auto append = [&](const MeshVertex& v) { appendVertex(v.position, v.normal, v.color, v.texcoord); };
    for (int j = 0; j < stacks; ++j) {
        for (int i = 0; i < slices; ++i) {
            const MeshVertex v00 = corner(i, j), v10 = corner(i + 1, j);
            const MeshVertex v01 = corner(i, j + 1), v11 = corner(i + 1, j + 1);
            if (j > 0) {
                append(v00);
                append(v10);
                append(v11);
            }
            append(v00);
            append(v11);
            append(v01);
        }
    }
}

} // namespace Engine::GFX::Mesh
