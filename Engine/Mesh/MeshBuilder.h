#pragma once

#include <cstddef>
#include <vector>

#include <glm/glm.hpp>

namespace Engine::GFX::Mesh {

// One corner handed to MeshBuilder::addTriangle. The normal is ignored there:
// triangles are flat-shaded from their own positions.
struct MeshVertex {
    glm::vec3 position{0.0f};
    glm::vec3 normal{0.0f};
    glm::vec4 color{1.0f};
    glm::vec2 texcoord{0.0f};
};

// Assembles unindexed triangle lists on the CPU: every triangle appends three
// complete vertices to the four parallel attribute arrays (the attributes 0..3
// of the standard vertex layout). All shapes are counter-clockwise seen from
// the side their normals point to.
class MeshBuilder {
public:
    std::vector<glm::vec3> positions;
    std::vector<glm::vec3> normals;
    std::vector<glm::vec4> colors;
    std::vector<glm::vec2> texcoords;

    std::size_t vertexCount() const { return positions.size(); }
    void clear();

    void addTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c);
    void addTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, const glm::mat4& transform);

    // Quad in the plane z = 0 from its lower-left to its upper-right corner,
    // with the texture coordinates of those two corners.
    void addQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, const glm::vec4& color,
                 glm::vec2 texLowerLeft, glm::vec2 texUpperRight);
    // The same with texture coordinate (0, 0) at the lower-left corner.
    void addQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, const glm::vec4& color, glm::vec2 texUpperRight);

    // Horizontal rectangle spanning corners a and b in x and y; texture (0, 0)
    // at a and `repeat` at b. Faces +Z when b lies right of and above a.
    void addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color, glm::vec2 repeat);
    void addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color, glm::vec2 repeat,
                                const glm::mat4& transform);
    // Same triangles; the vertex taking x from corner i and y from corner j
    // gets (texCorner_i.x, texCorner_j.y).
    void addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                glm::vec2 texCorner1, glm::vec2 texCorner2);
    void addHorizontalRectangle(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color,
                                glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4& transform);

    // Wall standing on the segment p -> q (x, y) from height p.z to q.z; faces
    // the left of p -> q when p.z < q.z. Texture (repeat.x, 0) at the low p end.
    void addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color, glm::vec2 repeat);
    void addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color, glm::vec2 repeat,
                              const glm::mat4& transform);
    // Same triangles; the vertex taking x, y from corner i and its height from
    // corner j gets (texCorner_i.x, texCorner_j.y).
    void addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                              glm::vec2 texCorner1, glm::vec2 texCorner2);
    void addVerticalRectangle(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color,
                              glm::vec2 texCorner1, glm::vec2 texCorner2, const glm::mat4& transform);

    // Axis-aligned box from its minimum to its maximum corner, 36 vertices,
    // faces in the order +Z, -Z, +Y, -Y, -X, +X, all facing outwards.
    void addBox(const glm::vec3& minCorner, const glm::vec3& maxCorner, const glm::vec4& color,
                glm::vec2 repeat = glm::vec2(1.0f));
    void addBox(const glm::vec3& minCorner, const glm::vec3& maxCorner, const glm::vec4& color, glm::vec2 repeat,
                const glm::mat4& transform);

    // Closed 16-sided cylinder from z = 0 up to z = height around (center.x,
    // center.y); center.z is not used. 192 vertices.
    void addCylinder(const glm::vec3& center, float height, float radius, const glm::vec4& color,
                     glm::vec2 repeat = glm::vec2(1.0f));

    // Latitude-longitude sphere with its poles on the z axis and smooth
    // per-vertex normals: slices * (2 * stacks - 1) triangles, none when
    // slices < 1 or stacks < 1.
    void addSphere(const glm::vec3& center, float radius, int slices, int stacks, const glm::vec4& color,
                   glm::vec2 repeat = glm::vec2(1.0f));

private:
    void appendTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, const glm::mat4* transform);
    void appendHorizontal(const glm::vec3& a, const glm::vec3& b, const glm::vec4& color, glm::vec2 texCorner1,
                          glm::vec2 texCorner2, const glm::mat4* transform);
    void appendVertical(const glm::vec3& p, const glm::vec3& q, const glm::vec4& color, glm::vec2 texCorner1,
                        glm::vec2 texCorner2, const glm::mat4* transform);
    void appendBox(const glm::vec3& minCorner, const glm::vec3& maxCorner, const glm::vec4& color, glm::vec2 repeat,
                   const glm::mat4* transform);
    void appendVertex(const glm::vec3& position, const glm::vec3& normal, const glm::vec4& color, glm::vec2 texcoord);
};

} // namespace Engine::GFX::Mesh
