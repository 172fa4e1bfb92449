#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"
#include "Engine/Mesh/MeshFile.h"
#include "MeshTestFiles.h"

using namespace Engine::GFX::Mesh;
using namespace MeshTest;

namespace {

// Reading must end in a DataFileError naming the file; anything else (another
// exception, a crash, a huge allocation) fails the test run.
::testing::AssertionResult rejectedNamingFile(const std::string& path, const std::string& expectedProblem)
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

// Little-endian value of `width` bytes written at offset, growing the file if needed.
void patch(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value, std::size_t width)
{
    bytes.resize(std::max(bytes.size(), offset + width));
    for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

class MeshFileCorruption : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeMeshFile(path, skinnedSample());
        valid = readBytes(path);
    }

    const std::string path = tempPath("corrupt.camesh");
    std::vector<uint8_t> valid;
};

} // namespace

TEST_F(MeshFileCorruption, FilesCutAtEveryLengthAreReportedTruncated)
{
    for (const MeshData& mesh : {staticSample(), skinnedSample()}) {
        writeMeshFile(path, mesh);
        const std::vector<uint8_t> whole = readBytes(path);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            writeBytes(path, whole, length);
            EXPECT_TRUE(rejectedNamingFile(path, ": truncated: ")) << "cut at " << length;
        }
    }
    writeBytes(path, valid, 11 + 12 * 8 + 5);
    EXPECT_TRUE(rejectedNamingFile(path, ": truncated: normals needs 96 bytes, 5 left"));
    writeBytes(path, valid, 3);
    EXPECT_TRUE(rejectedNamingFile(path, ": truncated: magic needs 6 bytes, 3 left"));
}

TEST_F(MeshFileCorruption, DamagedCountsIndicesAndRangesAreRejectedBeforeUse)
{
    using L = SampleLayout;
    struct Case {
        std::size_t offset;
        uint32_t value;
        std::size_t width;
        std::string problem;
    };
    const Case cases[] = {
        {L::vertexCount, 0xFFFFFFFFu, 4, "truncated: positions needs 51539607540"},
        {L::vertexCount, 0x80000000u, 4, "truncated: positions"},
        {L::triangleCount, 0xFFFFFFFFu, 4, "truncated: indices"},
        {L::triangleCount, 0x55555556u, 4, "truncated: indices"},
        {L::partCount, 255, 1, "truncated: part records"},
        {L::boneCount, 255, 1, "truncated: bone records"},
        {L::firstBoneNameLength, 255, 1, "truncated: bone name"},
        // Larger counts that still fit shift the rest of the file out of place.
        {L::vertexCount, 9, 4, ""},
        {L::triangleCount, 3, 4, ""},
        {L::partCount, 4, 1, ""},
        {L::firstPartNameLength, 255, 1, ""},
        {L::firstPartFirstIndex, 0xFFFFFFFFu, 4, "part 0 \"front\" covers indices"},
        {L::firstPartIndexCount, 0xFFFFFFFFu, 4, "beyond the 6 indices"},
        {L::firstPartIndexCount, 7, 4, "beyond the 6 indices"},
        {L::firstIndexValue, 0xFFFFFFFFu, 4, "refers to vertex 4294967295 of 8"},
        {L::firstPartBaseVertex, 0xFFFFFFFFu, 4, "refers to vertex 4294967295 of 8"},
        {L::firstPartBaseVertex, 5, 4, "part 0 \"front\" index 5 plus base vertex refers to vertex 8 of 8"},
        {L::boneData, 0xFFFF, 2, "vertex 0 refers to bone 65535 of 3"},
        {L::boneData + 24 * 2, 3, 1, ": vertex 2 refers to bone 3 of 3"},
        {0, 0x73656d63, 4, "unexpected bytes after the last field"}, // a skinned file under a static magic
        {valid.size(), 0, 1, ": 1 unexpected bytes after the last field"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("offset " + std::to_string(c.offset) + " value " + std::to_string(c.value));
        std::vector<uint8_t> bytes = valid;
        patch(bytes, c.offset, c.value, c.width);
        writeBytes(path, bytes, bytes.size());
        EXPECT_TRUE(rejectedNamingFile(path, c.problem));
    }
}

TEST_F(MeshFileCorruption, RandomByteDamageNeverEscapesAsAnythingButDataFileError)
{
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
