#include "Engine/Graphics/MeshBuffer.h"

#include <gtest/gtest.h>

namespace {

MeshBuffer typedBuffer(MeshBuffer::Type type)
{
    MeshBuffer buffer;
    buffer.setType(type);
    return buffer;
}

TEST(MeshBuffer, LayoutCodesNameTheFirstThreeTypes)
{
    EXPECT_EQ(MeshBuffer::typeFromLayoutCode(0), MeshBuffer::Type::tFLOAT);
    EXPECT_EQ(MeshBuffer::typeFromLayoutCode(1), MeshBuffer::Type::tINT);
    EXPECT_EQ(MeshBuffer::typeFromLayoutCode(2), MeshBuffer::Type::tUINT);
}

TEST(MeshBufferDeathTest, LayoutCodeThreeIsRejected)
{
    EXPECT_DEATH(MeshBuffer::typeFromLayoutCode(3), "Assertion failed: false ");
}

TEST(MeshBuffer, DataIsTheArrayHandedOver)
{
    MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tUINT);
    auto ids = std::make_unique<uint32_t[]>(4);
    const uint32_t* raw = ids.get();
    buffer.setData(std::move(ids));
    EXPECT_TRUE(buffer.bufferSet);
    EXPECT_EQ(buffer.getData(), raw);
}

TEST(MeshBufferDeathTest, TypeIsAssignedOnce)
{
    MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tFLOAT);
    EXPECT_DEATH(buffer.setType(MeshBuffer::Type::tUINT), "Assertion failed: typeSet == false ");
}

TEST(MeshBufferDeathTest, DataIsGivenOnce)
{
    MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tFLOAT);
    buffer.setData(std::make_unique<float[]>(3));
    EXPECT_DEATH(buffer.setData(std::make_unique<float[]>(3)),
                 "Assertion failed: bufferSet == false ");
}

TEST(MeshBufferDeathTest, DataNeedsAType)
{
    MeshBuffer buffer;
    EXPECT_DEATH(buffer.setData(std::make_unique<float[]>(3)), "Assertion failed: typeSet == true ");
}

TEST(MeshBufferDeathTest, FloatDataForUnsignedAttributeIsRejected)
{
    MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tUINT);
    EXPECT_DEATH(buffer.setData(std::make_unique<float[]>(4)),
                 "Assertion failed: type == MeshBuffer::Type::tFLOAT ");
}

TEST(MeshBufferDeathTest, UnsignedDataForFloatAttributeIsRejected)
{
    MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tFLOAT);
    EXPECT_DEATH(buffer.setData(std::make_unique<uint32_t[]>(4)),
                 "Assertion failed: type == MeshBuffer::Type::tUINT ");
}

TEST(MeshBufferDeathTest, ReadingMissingDataFails)
{
    const MeshBuffer buffer = typedBuffer(MeshBuffer::Type::tFLOAT);
    EXPECT_DEATH(buffer.getData(), "Assertion failed: bufferSet == true ");
}

} // namespace
