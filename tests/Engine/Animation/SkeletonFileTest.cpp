#include "Engine/Animation/SkeletonFile.h"

#include <cstdio>

#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Core/DataFileError.h"
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

std::string expectRejected(const std::string& path)
{
    try {
        readSkeletonFile(path);
    } catch (const Engine::DataFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "the skeleton was accepted";
    return {};
}

} // namespace

TEST(SkeletonFile, ReadsTheNodesOfAHandMadeFile)
{
    const std::string path = testFilePath("three.cskel");
    threeNodeSkeleton().save(path);
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
}

TEST(SkeletonFile, WriterIsTheExactInverseOfTheReader)
{
    const std::string original = testFilePath("original.cskel");
    const std::string copy = testFilePath("copy.cskel");
    ByteFile file = threeNodeSkeleton();
    std::copy(skeletonFileIdentifier, skeletonFileIdentifier + 9, file.bytes.begin());
    file.bytes[9] = 0;
    file.save(original);
    writeSkeletonFile(copy, *readSkeletonFile(original));
    EXPECT_EQ(readBytes(original), readBytes(copy));
}

TEST(SkeletonFile, EveryTruncationIsRejected)
{
    const ByteFile file = threeNodeSkeleton();
    const std::string path = testFilePath("cut.cskel");
    for (std::size_t length = 0; length < file.bytes.size(); ++length) {
        file.save(path, length);
        EXPECT_THROW(readSkeletonFile(path), Engine::DataFileError) << "cut at " << length;
    }
}

TEST(SkeletonFile, TrailingBytesAreRejected)
{
    ByteFile file = threeNodeSkeleton();
    file.u8(0);
    const std::string path = testFilePath("trailing.cskel");
    file.save(path);
    EXPECT_THROW(readSkeletonFile(path), Engine::DataFileError);
}

TEST(SkeletonFile, MissingFileNamesThePath)
{
    const std::string path = testFilePath("missing.cskel");
    std::remove(path.c_str());
    EXPECT_NE(std::string::npos, expectRejected(path).find(path));
}

TEST(SkeletonFile, MoreThan127NodesAreRejectedBeforeReadingThem)
{
    const std::string path = testFilePath("big.cskel");
    ByteFile file = skeletonHeader(128);
    file.name("root").u8(0).matrix(identity);
    for (int i = 1; i < 128; ++i) {
        file.name("n" + std::to_string(i)).u8(1).matrix(identity);
    }
    file.save(path);
    EXPECT_NE(std::string::npos, expectRejected(path).find("128 nodes, at most 127"));
}

TEST(SkeletonFile, ParentOutsideTheFileIsRejected)
{
    const std::string path = testFilePath("parent.cskel");
    ByteFile file = skeletonHeader(2);
    file.name("root").u8(0).matrix(identity).name("arm").u8(9).matrix(identity);
    file.save(path);
    EXPECT_NE(std::string::npos, expectRejected(path).find("\"arm\" names parent 8"));
}

TEST(SkeletonFile, ControlBytesOfANodeNameAreEscapedInTheOneLineMessage)
{
    const std::string path = testFilePath("newline.cskel");
    ByteFile file = skeletonHeader(2);
    file.name("root").u8(0).matrix(identity).name("ar\nm").u8(9).matrix(identity);
    file.save(path);
    EXPECT_NE(std::string::npos, expectRejected(path).find("\"ar\\x0am\" names parent 8"));
}

TEST(SkeletonFile, NodeThatIsItsOwnParentIsRejected)
{
    const std::string path = testFilePath("self.cskel");
    ByteFile file = skeletonHeader(2);
    file.name("root").u8(0).matrix(identity).name("arm").u8(2).matrix(identity);
    file.save(path);
    expectRejected(path);
}

TEST(SkeletonFile, RootWithAParentIsRejected)
{
    const std::string path = testFilePath("rootparent.cskel");
    ByteFile file = skeletonHeader(2);
    file.name("root").u8(2).matrix(identity).name("arm").u8(1).matrix(identity);
    file.save(path);
    EXPECT_NE(std::string::npos, expectRejected(path).find("must be the root"));
}

TEST(SkeletonFile, WriterRefusesSkeletonsTheFormatCannotHold)
{
    PoseNode root;
    root.name = std::string(256, 'x');
    SkeletalAnimation skeleton({root});
    EXPECT_THROW(writeSkeletonFile(testFilePath("long.cskel"), skeleton), Engine::DataFileError);
}
