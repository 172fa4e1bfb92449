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

TEST(MeshBufferDeathTest, TypeAndDataAreGivenOnceAndMustAgree)
{
    MeshBuffer untyped;
    MeshBuffer floats = typedBuffer(MeshBuffer::Type::tFLOAT);
    const MeshBuffer unsignedInts = typedBuffer(MeshBuffer::Type::tUINT);
    EXPECT_DEATH(MeshBuffer::typeFromLayoutCode(3), "Assertion failed: false ");
    EXPECT_DEATH(floats.setType(MeshBuffer::Type::tUINT), "Assertion failed: typeSet == false ");
    EXPECT_DEATH(untyped.setData(std::make_unique<float[]>(3)), "Assertion failed: typeSet == true ");
    EXPECT_DEATH(typedBuffer(MeshBuffer::Type::tUINT).setData(std::make_unique<float[]>(4)),
                 "Assertion failed: type == MeshBuffer::Type::tFLOAT ");
    EXPECT_DEATH(floats.setData(std::make_unique<uint32_t[]>(4)), "Assertion failed: type == MeshBuffer::Type::tUINT ");
    EXPECT_DEATH(unsignedInts.getData(), "Assertion failed: bufferSet == true ");
    floats.setData(std::make_unique<float[]>(3));
    EXPECT_DEATH(floats.setData(std::make_unique<float[]>(3)), "Assertion failed: bufferSet == false ");
}

} // namespace
