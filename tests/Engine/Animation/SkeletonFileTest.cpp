#include "Engine/Animation/SkeletonFile.h"

#include <cstdio>

#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Base/DataFileError.h"
#include "tests/Engine/Animation/ByteFile.h"

using namespace Engine::GFX;

namespace {

const glm::mat4 identity(1.0f);

ByteFile skeletonHeader(uint8_t nodeCount)
{
    ByteFile file;
    file.text("anything!").u8(0xAB).u8(nodeCount); // identifier and reserved byte are not checked
    return file;
}

// root, then "hand.L" below it, then "tip" below "hand.L".
ByteFile threeNodeSkeleton()
{
    ByteFile file = skeletonHeader(3);
    file.name("root").u8(0).matrix(identity);
    file.name("hand.L").u8(1).matrix(glm::translate(identity, glm::vec3(0.25f, 0.5f, 1.5f)));
    file.name("tip").u8(2).matrix(glm::scale(identity, glm::vec3(2.0f)));
    return file;
}

// A root and a second node with the given parent bytes (1-based, 0 for none).
ByteFile twoNodes(uint8_t rootParent, const std::string& name, uint8_t parent)
{
    return skeletonHeader(2).name("root").u8(rootParent).matrix(identity).name(name).u8(parent).matrix(identity);
}

} // namespace

TEST(SkeletonFile, ReadsTheNodesOfAHandMadeFileAndTheWriterIsItsExactInverse)
{
    const std::string path = testFilePath("three.cskel");
    const std::string copy = testFilePath("copy.cskel");
    ByteFile file = threeNodeSkeleton();
    std::copy(skeletonFileIdentifier, skeletonFileIdentifier + 9, file.bytes.begin());
    file.bytes[9] = 0;
    file.save(path);
    const auto skeleton = readSkeletonFile(path);
    ASSERT_EQ(3u, skeleton->nodes.size());
    EXPECT_FALSE(skeleton->nodes[0].hasParent);
    EXPECT_TRUE(skeleton->nodes[1].hasParent);
    EXPECT_EQ(0u, skeleton->nodes[1].parentIndex);
    EXPECT_EQ(1u, skeleton->nodes[2].parentIndex);
    EXPECT_EQ(glm::vec3(0.25f, 0.5f, 1.5f), glm::vec3(skeleton->nodes[1].transform[3]));
    EXPECT_EQ(1u, skeleton->nodeMapping.at("hand.L"));
    EXPECT_EQ((std::vector<int8_t>{1}), skeleton->nodes[0].children);
    EXPECT_EQ(identity, skeleton->transforms[2]);
    writeSkeletonFile(copy, *skeleton);
    EXPECT_EQ(readBytes(path), readBytes(copy));
}

TEST(SkeletonFile, TruncatedAndCorruptFilesAreRejectedWithOneLineMessages)
{
    const ByteFile whole = threeNodeSkeleton();
    const std::string cutPath = testFilePath("cut.cskel");
    for (std::size_t length = 0; length < whole.bytes.size(); ++length) {
        whole.save(cutPath, length);
        EXPECT_THROW(readSkeletonFile(cutPath), Engine::DataFileError) << "cut at " << length;
    }
    ByteFile tooMany = skeletonHeader(128);
    tooMany.name("root").u8(0).matrix(identity);
    for (int i = 1; i < 128; ++i) tooMany.name("n" + std::to_string(i)).u8(1).matrix(identity);
    const struct {
        ByteFile file;
        const char* problem;
    } rows[] = {
        {tooMany, "128 nodes, at most 127"},
        {threeNodeSkeleton().u8(0), "after"},
        {twoNodes(0, "arm", 9), "\"arm\" names parent 8"},
        {twoNodes(0, "ar\nm", 9), "\"ar\\x0am\" names parent 8"},
        {twoNodes(0, "arm", 2), "\"arm\" names parent 1"},
        {twoNodes(2, "arm", 1), "must be the root"},
    };
    const std::string path = testFilePath("corrupt.cskel");
    for (const auto& row : rows) {
        row.file.save(path);
        const std::string message = rejection(readSkeletonFile, path);
        EXPECT_NE(std::string::npos, message.find(row.problem)) << message;
    }
    std::remove(path.c_str());
    EXPECT_NE(std::string::npos, rejection(readSkeletonFile, path).find(path)) << "a missing file names its path";
}

TEST(SkeletonFile, WriterRefusesSkeletonsTheFormatCannotHold)
{
    PoseNode root;
    root.name = std::string(256, 'x');
    EXPECT_THROW(writeSkeletonFile(testFilePath("long.cskel"), SkeletalAnimation({root})), Engine::DataFileError);
}
