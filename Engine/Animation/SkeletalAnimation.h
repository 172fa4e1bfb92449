#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Animation/Animation.h"
#include "Engine/Animation/BoneMatrixArray.h"
#include "Engine/Base/Assert.h"

namespace Engine::GFX {

// One node of a skeleton: its rest transform relative to its parent.
struct PoseNode {
    glm::mat4 transform{1.0f};
    bool hasParent = false;
    uint32_t parentIndex = 0;
    std::string name;
    std::vector<int8_t> children; // ascending node order
};

// What bone matrices need of one bone of a skinned mesh: the offset matrix
// (mesh space to bone space) and the name of the node that moves the bone.
struct BoneBinding {
    glm::mat4 offset{1.0f};
    std::string name;
};

// A skeleton posed by animation clips. Per frame: sample a clip (local
// matrices), propagate from the root (global matrices), then compute the bone
// matrices of a skinned mesh. Node 0 is the root.
class SkeletalAnimation {
public:
    // Child indices are stored in 8 bits, which bounds the node count.
    static constexpr std::size_t maxNodeCount = 127;

    std::map<std::string, uint32_t> nodeMapping;
    std::vector<PoseNode> nodes;
    std::vector<glm::mat4> transforms;

    SkeletalAnimation() = default;
    // Takes the nodes in file order (their children lists are rebuilt); a
    // repeated name maps to its first node; every transform starts as identity.
    explicit SkeletalAnimation(std::vector<PoseNode> fileNodes);

    // Writes the local matrix of every node the clip animates at `seconds`;
    // every other node gets its rest transform, so no stale global matrix of
    // the previous frame is propagated a second time.
    void sample(const Animation& animation, float seconds);

    // transforms[index] <- parent x transforms[index], then the same for every
    // child below it with the new matrix as parent, depth first.
    void propagate(uint32_t index, const glm::mat4& parent);

    // The parent matrix the root is propagated with: the inverse of the root's
    // rest transform, identity for an empty skeleton.
    glm::mat4 rootParent() const;

    // sample, then propagate from the root with rootParent().
    void animate(const Animation& animation, float seconds);

    // boneGroupTarget[k] <- inverse(root rest) x global(node of bone k) x offset k.
    // A bone whose name is not a node keeps its previous matrix. Any bone record
    // with `offset` and `name` serves (BoneBinding, a skinned mesh's bones).
    template <typename BoneRecord>
    void computeBoneMatrices(const std::vector<BoneRecord>& bones, BoneMatrixArray& boneGroupTarget) const
    {
        GAME_ASSERT(bones.size() == boneGroupTarget.getSize());
        const glm::mat4 globalInverse = rootParent();
        for (std::size_t k = 0; k < bones.size(); ++k) {
            writeBoneMatrix(bones[k].name, bones[k].offset, globalInverse, boneGroupTarget[k]);
        }
    }

    // The current matrix of a node: local after sample, global after propagate.
    glm::mat4& getNodeTransform(const std::string& nodeName);
    const glm::mat4& getNodeTransform(const std::string& nodeName) const;

private:
    void resetToRest();
    void sampleChannel(const AnimationChannel& channel, float ticks);
    void writeBoneMatrix(const std::string& nodeName, const glm::mat4& offset, const glm::mat4& globalInverse,
                         glm::mat4& target) const;
};

} // namespace Engine::GFX
