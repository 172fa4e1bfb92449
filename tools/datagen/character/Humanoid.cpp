#include "tools/datagen/character/Humanoid.h"

#include <stdexcept>

#include <glm/gtc/matrix_transform.hpp>

namespace DataGen::Humanoid {

namespace {

constexpr float hipsHeight = 0.98f;
constexpr float legSide = 0.095f; // hip joints either side of the centre
constexpr float armSide = 0.20f;  // arms hang this far from the centre

std::vector<Joint> makeJoints()
{
    std::vector<Joint> list{
        {rootName, -1, {0.0f, 0.0f, 0.0f}},
        {"hips", 0, {0.0f, 0.0f, hipsHeight}},
        {"spine", 1, {0.0f, 0.0f, 1.08f}},
        {"chest", 2, {0.0f, 0.0f, 1.28f}},
        {"neck", 3, {0.0f, 0.0f, 1.50f}},
        {"head", 4, {0.0f, 0.0f, 1.58f}},
    };
    for (const auto& [suffix, side] : {std::pair{".L", 1.0f}, std::pair{".R", -1.0f}}) {
        const int shoulder = static_cast<int>(list.size());
        list.push_back({"shoulder" + std::string(suffix), 3, {0.0f, 0.05f * side, 1.44f}});
        list.push_back({"upper_arm" + std::string(suffix), shoulder, {0.0f, 0.19f * side, 1.43f}});
        list.push_back({"lower_arm" + std::string(suffix), shoulder + 1, {0.0f, armSide * side, 1.15f}});
        list.push_back({"hand" + std::string(suffix), shoulder + 2, {0.0f, armSide * side, 0.90f}});
        const int thigh = static_cast<int>(list.size());
        list.push_back({"thigh" + std::string(suffix), 1, {0.0f, legSide * side, 0.95f}});
        list.push_back({"shin" + std::string(suffix), thigh, {0.0f, legSide * side, 0.52f}});
        list.push_back({"foot" + std::string(suffix), thigh + 1, {0.0f, legSide * side, 0.09f}});
    }
    return list;
}

} // namespace

const std::vector<Joint>& joints()
{
    static const std::vector<Joint> list = makeJoints();
    return list;
}

int jointIndex(const std::string& name)
{
    const std::vector<Joint>& list = joints();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == name) {
            return static_cast<int>(i);
        }
    }
    throw std::invalid_argument("no joint named " + name);
}

glm::vec3 bindPosition(int index)
{
    return index == 0 ? glm::vec3(0.0f) : placement + joints()[static_cast<std::size_t>(index)].position;
}

glm::vec3 restTranslation(int index)
{
    const int parent = joints()[static_cast<std::size_t>(index)].parent;
    return bindPosition(index) - (parent >= 0 ? bindPosition(parent) : glm::vec3(0.0f));
}

Engine::GFX::SkeletalAnimation buildSkeleton()
{
    std::vector<Engine::GFX::PoseNode> nodes;
    for (std::size_t index = 0; index < joints().size(); ++index) {
        const Joint& joint = joints()[index];
        Engine::GFX::PoseNode node;
        node.name = joint.name;
        node.hasParent = joint.parent >= 0;
        node.parentIndex = node.hasParent ? static_cast<uint32_t>(joint.parent) : 0u;
        node.transform = glm::translate(glm::mat4(1.0f), restTranslation(static_cast<int>(index)));
        nodes.push_back(node);
    }
    return Engine::GFX::SkeletalAnimation(std::move(nodes));
}

} // namespace DataGen::Humanoid
