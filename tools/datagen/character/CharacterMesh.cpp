#include "tools/datagen/character/CharacterMesh.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "tools/datagen/character/Humanoid.h"

namespace DataGen {

namespace {

using Engine::GFX::Mesh::MeshData;
using Engine::GFX::Mesh::VertexBoneData;

enum class Profile {
    tube,      // tapered between its two end radii, closed by flat caps
    ellipsoid, // rounded to a point at both ends
};

// A body part along the segment start -> end. Radii are measured along the
// segment's first cross axis (x, or z for parts lying along x) and the second.
struct BodyPart {
    std::string bone;
    std::string blendBone; // empty: moves rigidly with its bone
    glm::vec3 start;
    glm::vec3 end;
    glm::vec2 startRadii;
    glm::vec2 endRadii;
    Profile profile = Profile::tube;
    int sides = 10;
    int rings = 5;
};

// Distance from a part's start over which it blends into its parent bone.
constexpr float blendLength = 0.06f;
constexpr float jointBlendWeight = 0.5f;

struct Frame {
    glm::vec3 axis;  // start -> end, normalised
    glm::vec3 first; // cross axes: first x second = axis
    glm::vec3 second;
};

Frame partFrame(const BodyPart& part)
{
    Frame frame;
    frame.axis = glm::normalize(part.end - part.start);
    const glm::vec3 reference = std::abs(frame.axis.x) < 0.9f ? glm::vec3(1, 0, 0) : glm::vec3(0, 0, 1);
    frame.first = glm::normalize(reference - glm::dot(reference, frame.axis) * frame.axis);
    frame.second = glm::cross(frame.axis, frame.first);
    return frame;
}

std::vector<BodyPart> sideParts(const std::string& suffix, float side)
{
    const Humanoid::FootShape& foot = Humanoid::foot;
    auto at = [side](float x, float y, float z) { return glm::vec3(x, y * side, z); };
    return {
        {"shoulder" + suffix, "chest", at(0, 0.03f, 1.44f), at(0, 0.21f, 1.43f), {0.055f, 0.05f}, {0.05f, 0.048f}},
        {"upper_arm" + suffix, "shoulder" + suffix, at(0, 0.2f, 1.46f), at(0, 0.2f, 1.14f), {0.048f, 0.045f},
         {0.038f, 0.036f}},
        {"lower_arm" + suffix, "upper_arm" + suffix, at(0, 0.2f, 1.16f), at(0, 0.2f, 0.91f), {0.037f, 0.035f},
         {0.03f, 0.028f}},
        {"hand" + suffix, "lower_arm" + suffix, at(0, 0.2f, 0.92f), at(0, 0.2f, 0.76f), {0.042f, 0.018f},
         {0.035f, 0.014f}},
        {"thigh" + suffix, "hips", at(0, 0.095f, 1.0f), at(0, 0.095f, 0.5f), {0.08f, 0.075f}, {0.055f, 0.052f}},
        {"shin" + suffix, "thigh" + suffix, at(0, 0.095f, 0.54f), at(0, 0.095f, 0.07f), {0.052f, 0.05f},
         {0.035f, 0.034f}},
        // Lies along +x; its first cross axis is z, so the heel touches z = 0.
        {"foot" + suffix, "", at(foot.heelX, 0.095f, foot.axisHeight), at(foot.toeX, 0.095f, foot.axisHeight),
         {foot.heelRadius, foot.halfWidth}, {foot.toeRadius, foot.halfWidth}},
    };
}

std::vector<BodyPart> bodyParts()
{
    std::vector<BodyPart> parts{
        {"hips", "", {0, 0, 0.86f}, {0, 0, 1.08f}, {0.11f, 0.155f}, {0.1f, 0.15f}, Profile::tube, 12, 4},
        {"spine", "hips", {0, 0, 1.06f}, {0, 0, 1.3f}, {0.1f, 0.14f}, {0.11f, 0.16f}, Profile::tube, 12, 5},
        {"chest", "spine", {0, 0, 1.28f}, {0, 0, 1.5f}, {0.115f, 0.17f}, {0.1f, 0.18f}, Profile::tube, 12, 5},
        {"neck", "chest", {0, 0, 1.47f}, {0, 0, 1.61f}, {0.045f, 0.045f}, {0.045f, 0.045f}},
        {"head", "", {0.015f, 0, 1.575f}, {0.015f, 0, 1.8f}, {0.095f, 0.08f}, {0.095f, 0.08f}, Profile::ellipsoid, 14,
         11},
    };
    for (const BodyPart& part : sideParts(".L", 1.0f)) {
        parts.push_back(part);
    }
    for (const BodyPart& part : sideParts(".R", -1.0f)) {
        parts.push_back(part);
    }
    return parts;
}

uint32_t boneId(const std::string& name)
{
    return static_cast<uint32_t>(Humanoid::jointIndex(name) - 1); // node 0, the root, has no bone
}

VertexBoneData skinning(const BodyPart& part, float distanceFromStart)
{
    VertexBoneData data;
    data.ids[0] = boneId(part.bone);
    data.weights[0] = 1.0f;
    if (!part.blendBone.empty() && distanceFromStart < blendLength) {
        const float parentWeight = jointBlendWeight * (1.0f - distanceFromStart / blendLength);
        data.ids[1] = boneId(part.blendBone);
        data.weights[1] = parentWeight;
        data.weights[0] = 1.0f - parentWeight;
    }
    return data;
}

class MeshAssembler {
public:
    explicit MeshAssembler(MeshData& target) : mesh(target) {}

    void addPart(const BodyPart& part)
    {
        const Frame frame = partFrame(part);
        const uint32_t firstRing = vertexCount();
        for (int ring = 0; ring < part.rings; ++ring) {
            addRing(part, frame, static_cast<float>(ring) / static_cast<float>(part.rings - 1));
        }
        for (int ring = 0; ring + 1 < part.rings; ++ring) {
            connectRings(firstRing + ring * ringSize(part), part.sides);
        }
        if (part.profile == Profile::tube) {
            addCap(part, frame, 0.0f, firstRing);
            addCap(part, frame, 1.0f, firstRing + (part.rings - 1) * ringSize(part));
        }
    }

private:
    static uint32_t ringSize(const BodyPart& part) { return static_cast<uint32_t>(part.sides + 1); }
    uint32_t vertexCount() const { return static_cast<uint32_t>(mesh.positions.size()); }

    void addVertex(const glm::vec3& position, const glm::vec3& normal, glm::vec2 texcoord, const VertexBoneData& bones)
    {
        mesh.positions.push_back(position);
        mesh.normals.push_back(normal);
        mesh.texcoords.push_back(texcoord);
        mesh.boneData.push_back(bones);
    }

    void addTriangle(uint32_t a, uint32_t b, uint32_t c)
    {
        mesh.indices.insert(mesh.indices.end(), {a, b, c});
    }

    // A ring at fraction t of the part; one extra vertex closes the texture seam.
    void addRing(const BodyPart& part, const Frame& frame, float t)
    {
        const float length = glm::length(part.end - part.start);
        // The ellipsoid's normal is the gradient of its implicit equation; a
        // tube's ignores the slight taper.
        float roundness = 1.0f;
        float axialSlope = 0.0f;
        if (part.profile == Profile::ellipsoid) {
            const float centred = 2.0f * t - 1.0f;
            roundness = std::sqrt(std::max(0.0f, 1.0f - centred * centred));
            axialSlope = centred / (0.5f * length);
        }
        const glm::vec2 radii = glm::mix(part.startRadii, part.endRadii, t) * roundness;
        const glm::vec3 centre = part.start + frame.axis * (t * length);
        const VertexBoneData bones = skinning(part, t * length);
        for (int k = 0; k <= part.sides; ++k) {
            const float angle = glm::two_pi<float>() * static_cast<float>(k) / static_cast<float>(part.sides);
            const float c = std::cos(angle);
            const float s = std::sin(angle);
            const glm::vec3 position = centre + frame.first * (radii.x * c) + frame.second * (radii.y * s);
            const glm::vec2 base = part.startRadii;
            const glm::vec3 normal = glm::normalize(frame.first * (c * roundness / base.x) +
                                                    frame.second * (s * roundness / base.y) + frame.axis * axialSlope);
            addVertex(position, normal, {static_cast<float>(k) / static_cast<float>(part.sides), t}, bones);
        }
    }

    // Counter-clockwise seen from outside: the ring order runs along the axis
    // and each ring turns positively about it.
    void connectRings(uint32_t lower, int sides)
    {
        const uint32_t upper = lower + static_cast<uint32_t>(sides + 1);
        for (uint32_t k = 0; k < static_cast<uint32_t>(sides); ++k) {
            addTriangle(lower + k, lower + k + 1, upper + k + 1);
            addTriangle(lower + k, upper + k + 1, upper + k);
        }
    }

    // A flat fan over the ring at fraction t (0 or 1), facing away from the part.
    void addCap(const BodyPart& part, const Frame& frame, float t, uint32_t ring)
    {
        const glm::vec3 normal = t < 0.5f ? -frame.axis : frame.axis;
        const uint32_t first = vertexCount();
        for (uint32_t k = 0; k < ringSize(part); ++k) {
            addVertex(mesh.positions[ring + k], normal, mesh.texcoords[ring + k], mesh.boneData[ring + k]);
        }
        const uint32_t centre = vertexCount();
        const float length = glm::length(part.end - part.start);
        addVertex(part.start + frame.axis * (t * length), normal, {0.5f, t}, skinning(part, t * length));
        for (uint32_t k = 0; k < static_cast<uint32_t>(part.sides); ++k) {
            if (t < 0.5f) {
                addTriangle(centre, first + k + 1, first + k);
            } else {
                addTriangle(centre, first + k, first + k + 1);
            }
        }
    }

    MeshData& mesh;
};

void addBones(MeshData& mesh)
{
    const std::vector<Humanoid::Joint>& joints = Humanoid::joints();
    for (std::size_t node = 1; node < joints.size(); ++node) {
        Engine::GFX::Mesh::MeshFileBone bone;
        bone.name = joints[node].name;
        bone.offset = glm::translate(glm::mat4(1.0f), -Humanoid::bindPosition(static_cast<int>(node)));
        mesh.bones.push_back(bone);
    }
}

} // namespace

MeshData buildCharacterMesh()
{
    MeshData mesh;
    MeshAssembler assembler(mesh);
    for (const BodyPart& part : bodyParts()) {
        assembler.addPart(part);
    }
    // Built around the origin, authored where the character stands.
    for (glm::vec3& position : mesh.positions) {
        position += Humanoid::placement;
    }
    mesh.vertexCount = static_cast<uint32_t>(mesh.positions.size());
    mesh.triangleCount = static_cast<uint32_t>(mesh.indices.size() / 3);
    Engine::GFX::Mesh::MeshFilePart body;
    body.name = "body";
    body.indexCount = static_cast<uint32_t>(mesh.indices.size());
    mesh.parts.push_back(body);
    addBones(mesh);
    return mesh;
}

} // namespace DataGen
