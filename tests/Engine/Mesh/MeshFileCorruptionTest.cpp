#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Engine/Core/DataFileError.h"
#include "Engine/Mesh/MeshFile.h"
#include "MeshTestFiles.h"

using namespace Engine::GFX::Mesh;
using namespace MeshTest;

namespace {

// Reading must end in a DataFileError naming the file; anything else (another
// exception, a crash, a huge allocation) fails the test run.
::testing::AssertionResult rejectedNamingFile(const std::string& path, const std::string& expectedProblem = "")
{
    try {
        readMeshFile(path);
    } catch (const Engine::DataFileError& error) {
        const std::string message = error.what();
        if (error.path() != path || message.rfind(path + ": ", 0) != 0) {
            return ::testing::AssertionFailure() << "message does not name the file: " << message;
        }
        if (message.find(expectedProblem) == std::string::npos) {
            return ::testing::AssertionFailure() << "expected \"" << expectedProblem << "\" in: " << message;
        }
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "file was accepted";
}

void putU32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

class MeshFileCorruption : public ::testing::Test {
protected:
    void load(const MeshData& mesh)
    {
        path = tempPath("corrupt.camesh");
        writeMeshFile(path, mesh);
        valid = readBytes(path);
    }

    ::testing::AssertionResult rejectedWith(std::size_t offset, uint32_t value, const std::string& problem)
    {
        std::vector<uint8_t> bytes = valid;
        putU32(bytes, offset, value);
        writeBytes(path, bytes, bytes.size());
        return rejectedNamingFile(path, problem);
    }

    ::testing::AssertionResult rejectedWithByte(std::size_t offset, uint8_t value, const std::string& problem)
    {
        std::vector<uint8_t> bytes = valid;
        bytes[offset] = value;
        writeBytes(path, bytes, bytes.size());
        return rejectedNamingFile(path, problem);
    }

    std::string path;
    std::vector<uint8_t> valid;
};

} // namespace

TEST_F(MeshFileCorruption, StaticFileCutAtEveryLengthIsReportedTruncated)
{
    load(staticSample());
    for (std::size_t length = 0; length < valid.size(); ++length) {
        writeBytes(path, valid, length);
        EXPECT_TRUE(rejectedNamingFile(path, ": truncated: ")) << "cut at " << length;
    }
}

TEST_F(MeshFileCorruption, SkinnedFileCutAtEveryLengthIsReportedTruncated)
{
    load(skinnedSample());
    for (std::size_t length = 0; length < valid.size(); ++length) {
        writeBytes(path, valid, length);
        EXPECT_TRUE(rejectedNamingFile(path, ": truncated: ")) << "cut at " << length;
    }
}

TEST_F(MeshFileCorruption, TruncationNamesTheFieldAndTheBytesLeft)
{
    load(staticSample());
    writeBytes(path, valid, 11 + 12 * 8 + 5);
    EXPECT_TRUE(rejectedNamingFile(path, ": truncated: normals needs 96 bytes, 5 left"));
    writeBytes(path, valid, 3);
    EXPECT_TRUE(rejectedNamingFile(path, ": truncated: magic needs 6 bytes, 3 left"));
}

TEST_F(MeshFileCorruption, HugeVertexCountIsRejectedBeforeAllocating)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWith(SampleLayout::vertexCount, 0xFFFFFFFFu, "truncated: positions needs 51539607540"));
    EXPECT_TRUE(rejectedWith(SampleLayout::vertexCount, 0x80000000u, "truncated: positions"));
}

TEST_F(MeshFileCorruption, HugeTriangleCountIsRejectedBeforeAllocating)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWith(SampleLayout::triangleCount, 0xFFFFFFFFu, "truncated: indices"));
    EXPECT_TRUE(rejectedWith(SampleLayout::triangleCount, 0x55555556u, "truncated: indices"));
}

TEST_F(MeshFileCorruption, LargerCountsThatFitTheFileShiftTheRestOutOfPlace)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWith(SampleLayout::vertexCount, 9, ""));
    EXPECT_TRUE(rejectedWith(SampleLayout::triangleCount, 3, ""));
    EXPECT_TRUE(rejectedWithByte(SampleLayout::partCount, 4, ""));
}

TEST_F(MeshFileCorruption, HugePartAndBoneCountsAreRejected)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWithByte(SampleLayout::partCount, 255, "truncated: part records"));
    EXPECT_TRUE(rejectedWithByte(SampleLayout::boneCount, 255, "truncated: bone records"));
}

TEST_F(MeshFileCorruption, HugeNameLengthsAreRejected)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWithByte(SampleLayout::firstPartNameLength, 255, ""));
    EXPECT_TRUE(rejectedWithByte(SampleLayout::firstBoneNameLength, 255, "truncated: bone name"));
}

TEST_F(MeshFileCorruption, PartRangesBeyondTheIndexListAreRejectedWithoutOverflow)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWith(SampleLayout::firstPartFirstIndex, 0xFFFFFFFFu, "part 0 \"front\" covers indices"));
    EXPECT_TRUE(rejectedWith(SampleLayout::firstPartIndexCount, 0xFFFFFFFFu, "beyond the 6 indices"));
    EXPECT_TRUE(rejectedWith(SampleLayout::firstPartIndexCount, 7, "beyond the 6 indices"));
}

TEST_F(MeshFileCorruption, ControlBytesOfAPartNameAreEscapedInTheOneLineMessage)
{
    load(skinnedSample());
    std::vector<uint8_t> bytes = valid;
    bytes[SampleLayout::firstPartNameLength + 4] = '\n'; // "front" becomes "fro\nt"
    putU32(bytes, SampleLayout::firstPartIndexCount, 7);
    writeBytes(path, bytes, bytes.size());
    EXPECT_TRUE(rejectedNamingFile(path, "part 0 \"fro\\x0at\" covers indices"));
}

TEST_F(MeshFileCorruption, HugeIndexOrBaseVertexIsRejectedWithoutOverflow)
{
    load(skinnedSample());
    EXPECT_TRUE(rejectedWith(SampleLayout::firstIndexValue, 0xFFFFFFFFu, "refers to vertex 4294967295 of 8"));
    EXPECT_TRUE(rejectedWith(SampleLayout::firstPartBaseVertex, 0xFFFFFFFFu, "refers to vertex 4294967295 of 8"));
}

TEST_F(MeshFileCorruption, HugeBoneIdIsRejected)
{
    load(skinnedSample());
    std::vector<uint8_t> bytes = valid;
    bytes[SampleLayout::boneData] = 0xFF;
    bytes[SampleLayout::boneData + 1] = 0xFF;
    writeBytes(path, bytes, bytes.size());
    EXPECT_TRUE(rejectedNamingFile(path, "vertex 0 refers to bone 65535 of 3"));
}

// Random byte damage must either still read or be rejected cleanly.
TEST_F(MeshFileCorruption, RandomByteDamageNeverEscapesAsAnythingButDataFileError)
{
    load(skinnedSample());
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<std::size_t> position(0, valid.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    int rejected = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<uint8_t> bytes = valid;
        for (int flips = 1 + trial % 4; flips > 0; --flips) {
            bytes[position(random)] = static_cast<uint8_t>(byte(random));
        }
        writeBytes(path, bytes, bytes.size());
        try {
            readMeshFile(path);
        } catch (const Engine::DataFileError& error) {
            ++rejected;
            ASSERT_EQ(error.path(), path);
        }
    }
    EXPECT_GT(rejected, 0);
}
