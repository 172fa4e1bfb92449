#include "Engine/Animation/SkeletonFile.h"

#include <utility>
#include <vector>

#include "Engine/Animation/FileFields.h"
#include "Engine/Base/DataFileError.h"

namespace Engine::GFX {

namespace {

constexpr std::size_t identifierLength = 9;
constexpr uint64_t nodeRecordMinSize = 1 + 1 + AnimationIO::matrixFloats * 4;

PoseNode readNode(Mesh::BinaryReader& in)
{
    PoseNode node;
    node.name = AnimationIO::readName(in, "node name");
    const uint8_t parent = in.readU8("node parent");
    node.hasParent = parent != 0;
    node.parentIndex = node.hasParent ? parent - 1u : 0u;
    node.transform = AnimationIO::readMatrix(in, "node transform");
    return node;
}

// Propagation starts at node 0 and follows children lists, so a parent
// outside the file or a root with a parent would send it astray.
void checkParents(const Mesh::BinaryReader& in, const std::vector<PoseNode>& nodes)
{
    if (!nodes.empty() && nodes[0].hasParent) {
        in.fail("node 0 \"" + nodes[0].name + "\" must be the root but names parent " +
                std::to_string(nodes[0].parentIndex));
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].hasParent && (nodes[i].parentIndex >= nodes.size() || nodes[i].parentIndex == i)) {
            in.fail("node " + std::to_string(i) + " \"" + nodes[i].name + "\" names parent " +
                    std::to_string(nodes[i].parentIndex) + ", which is not another of the " +
                    std::to_string(nodes.size()) + " nodes");
        }
    }
}

std::string findWriteProblem(const SkeletalAnimation& skeleton)
{
    if (skeleton.nodes.size() > SkeletalAnimation::maxNodeCount) {
        return std::to_string(skeleton.nodes.size()) + " nodes, at most " +
               std::to_string(SkeletalAnimation::maxNodeCount) + " fit";
    }
    for (std::size_t i = 0; i < skeleton.nodes.size(); ++i) {
        const PoseNode& node = skeleton.nodes[i];
        if (node.name.size() > AnimationIO::maxNameLength) {
            return "node " + std::to_string(i) + " has a name of " + std::to_string(node.name.size()) + " bytes";
        }
        if (node.hasParent && node.parentIndex >= skeleton.nodes.size()) {
            return "node " + std::to_string(i) + " names parent " + std::to_string(node.parentIndex) +
                   ", which does not exist";
        }
    }
    return {};
}

} // namespace

std::unique_ptr<SkeletalAnimation> readSkeletonFile(const std::string& path)
{
    Mesh::BinaryReader in(path);
    in.readString(identifierLength, "identifier");
    in.readU8("reserved byte");
    const uint8_t count = in.readU8("node count");
    if (count > SkeletalAnimation::maxNodeCount) {
        in.fail(std::to_string(count) + " nodes, at most " + std::to_string(SkeletalAnimation::maxNodeCount) +
                " are supported");
    }
    in.require(count, nodeRecordMinSize, "node records");
    std::vector<PoseNode> nodes;
    nodes.reserve(count);
    for (uint8_t i = 0; i < count; ++i) {
        nodes.push_back(readNode(in));
    }
    in.expectEnd();
    checkParents(in, nodes);
    return std::make_unique<SkeletalAnimation>(std::move(nodes));
}

void writeSkeletonFile(const std::string& path, const SkeletalAnimation& skeleton)
{
    const std::string problem = findWriteProblem(skeleton);
    if (!problem.empty()) {
        throw Engine::DataFileError(path, problem);
    }
    Mesh::BinaryWriter out;
    out.writeBytes(std::string(skeletonFileIdentifier, identifierLength));
    out.writeU8(0);
    out.writeU8(static_cast<uint8_t>(skeleton.nodes.size()));
    for (const PoseNode& node : skeleton.nodes) {
        AnimationIO::writeName(out, node.name);
        out.writeU8(static_cast<uint8_t>(node.hasParent ? node.parentIndex + 1 : 0));
        AnimationIO::writeMatrix(out, node.transform);
    }
    out.save(path);
}

} // namespace Engine::GFX
