#include "Engine/Graphics/MeshBuffer.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"
#include "Engine/Graphics/VertexLayout.h"

MeshBuffer::Type MeshBuffer::typeFromLayoutCode(uint32_t code)
{
    switch (code) {
    case Engine::GFX::attributeFloat: return Type::tFLOAT;
    case Engine::GFX::attributeInt: return Type::tINT;
    case Engine::GFX::attributeUint: return Type::tUINT;
    }
    GAME_ASSERT(false);
}

uint32_t MeshBuffer::glType(Type type)
{
    switch (type) {
    case Type::tFLOAT: return GL_FLOAT;
    case Type::tINT: return GL_INT;
    case Type::tUINT: return GL_UNSIGNED_INT;
    case Type::tSHORT: return GL_SHORT;
    case Type::tUSHORT: return GL_UNSIGNED_SHORT;
    case Type::tBYTE: return GL_BYTE;
    case Type::tUBYTE: return GL_UNSIGNED_BYTE;
    }
    GAME_ASSERT(false);
}

uint32_t MeshBuffer::elementSize(Type type)
{
    switch (type) {
    case Type::tFLOAT:
    case Type::tINT:
    case Type::tUINT: return 4;
    case Type::tSHORT:
    case Type::tUSHORT: return 2;
    case Type::tBYTE:
    case Type::tUBYTE: return 1;
    }
    GAME_ASSERT(false);
}

bool MeshBuffer::isInteger(Type type)
{
    return type != Type::tFLOAT;
}

void MeshBuffer::setType(Type newType)
{
    GAME_ASSERT(typeSet == false);
    type = newType;
    typeSet = true;
}

MeshBuffer::Type MeshBuffer::getType() const
{
    GAME_ASSERT(typeSet == true);
    return type;
}

void MeshBuffer::setData(std::unique_ptr<float[]> array)
{
    GAME_ASSERT(bufferSet == false);
    GAME_ASSERT(typeSet == true);
    GAME_ASSERT(type == MeshBuffer::Type::tFLOAT);
    floatData = std::move(array);
    bufferSet = true;
}

void MeshBuffer::setData(std::unique_ptr<uint32_t[]> array)
{
    GAME_ASSERT(bufferSet == false);
    GAME_ASSERT(typeSet == true);
    GAME_ASSERT(type == MeshBuffer::Type::tUINT);
    uintData = std::move(array);
    bufferSet = true;
}

const void* MeshBuffer::getData() const
{
    GAME_ASSERT(typeSet == true);
    GAME_ASSERT(bufferSet == true);
    if (floatData) {
        return floatData.get();
    }
    return uintData.get();
}
