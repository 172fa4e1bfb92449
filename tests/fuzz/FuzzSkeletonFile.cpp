// Fuzz target for the skeleton reader: an accepted skeleton must keep the
// reader's guarantees, pose without trouble and survive a write and a second
// read unchanged.
#include <memory>
#include <vector>

#include "Engine/Animation/SkeletonFile.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInputFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

using Engine::GFX::SkeletalAnimation;

// Node 0 is the root and every other parent is another node, which is what
// propagation from the root relies on.
void checkGuarantees(const SkeletalAnimation& skeleton)
{
    const auto& nodes = skeleton.nodes;
    GAME_ASSERT(nodes.size() <= SkeletalAnimation::maxNodeCount);
    GAME_ASSERT(skeleton.transforms.size() == nodes.size());
    GAME_ASSERT(nodes.empty() || !nodes[0].hasParent);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        GAME_ASSERT(!nodes[i].hasParent || (nodes[i].parentIndex < nodes.size() && nodes[i].parentIndex != i));
        GAME_ASSERT(skeleton.nodeMapping.count(nodes[i].name) == 1);
        GAME_ASSERT(skeleton.nodeMapping.at(nodes[i].name) <= i);
    }
}

// Poses the rest skeleton the way the game does each frame, with one bone per
// node, so propagation walks every child list the file produced.
void poseAtRest(SkeletalAnimation& skeleton)
{
    skeleton.animate(Engine::GFX::Animation{}, 0.0f);
    std::vector<Engine::GFX::BoneBinding> bones(skeleton.nodes.size());
    for (std::size_t i = 0; i < bones.size(); ++i) {
        bones[i].name = skeleton.nodes[i].name;
    }
    Engine::GFX::BoneMatrixArray palette(bones.size());
    skeleton.computeBoneMatrices(bones, palette);
}

void checkRoundTrip(const SkeletalAnimation& skeleton)
{
    static Fuzz::InputFile copy("skeleton-copy");
    Engine::GFX::writeSkeletonFile(copy.path(), skeleton);
    const std::unique_ptr<SkeletalAnimation> again = Engine::GFX::readSkeletonFile(copy.path());
    GAME_ASSERT(again->nodes.size() == skeleton.nodes.size());
    for (std::size_t i = 0; i < skeleton.nodes.size(); ++i) {
        const auto& a = again->nodes[i];
        const auto& b = skeleton.nodes[i];
        GAME_ASSERT(a.name == b.name && a.hasParent == b.hasParent && a.parentIndex == b.parentIndex);
        GAME_ASSERT(a.children == b.children);
        GAME_ASSERT(Fuzz::sameBytes(a.transform, b.transform));
    }
}

} // namespace

bool Fuzz::consumeInput(const uint8_t* data, std::size_t size)
{
    static InputFile input("skeleton");
    const std::string& path = input.write(data, size);
    std::unique_ptr<SkeletalAnimation> skeleton;
    try {
        skeleton = Engine::GFX::readSkeletonFile(path);
    } catch (const Engine::DataFileError& error) {
        checkRejection(error, path);
        return false;
    }
    checkGuarantees(*skeleton);
    checkRoundTrip(*skeleton);
    poseAtRest(*skeleton);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::consumeInput(data, size);
    return 0;
}
