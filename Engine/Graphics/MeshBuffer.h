#pragma once

#include <cstdint>
#include <memory>

// The CPU copy of one vertex attribute: its element type and its array.
// The type is assigned once; the array is handed over once and owned from
// then on, so a mesh can be uploaded without copying and freed in one place.
class MeshBuffer {
public:
    enum class Type : uint32_t {
        tFLOAT = 0,
        tINT = 1,
        tUINT = 2,
        tSHORT = 3,
        tUSHORT = 4,
        tBYTE = 5,
        tUBYTE = 6,
    };

    // Vertex layouts may only name the first three types.
    static Type typeFromLayoutCode(uint32_t code);
    static uint32_t glType(Type type);
    static uint32_t elementSize(Type type);
    // Integer attributes are set up with glVertexAttribIPointer.
    static bool isInteger(Type type);

    void setType(Type newType);
    Type getType() const;
    void setData(std::unique_ptr<float[]> array);
    void setData(std::unique_ptr<uint32_t[]> array);
    const void* getData() const;

    bool typeSet = false;
    bool bufferSet = false;

private:
    Type type = Type::tFLOAT;
    std::unique_ptr<float[]> floatData;
    std::unique_ptr<uint32_t[]> uintData;
};
