#pragma once

#include <cstdint>
#include <vector>

namespace Engine::GFX {

// Element type codes a layout may name.
constexpr uint32_t attributeFloat = 0;
constexpr uint32_t attributeInt = 1;
constexpr uint32_t attributeUint = 2;

// One attribute of a vertex layout: element type code and components per
// vertex. Entry i of a layout is attribute location i.
struct VertexAttribute {
    uint32_t typeCode;
    uint32_t components;
};

using VertexLayout = std::vector<VertexAttribute>;

// position, normal, colour (RGBA), texture coordinate
inline const VertexLayout standardLayout{
    {attributeFloat, 3}, {attributeFloat, 3}, {attributeFloat, 4}, {attributeFloat, 2}};
// position, normal, texture coordinate, bone ids, bone weights
inline const VertexLayout skinnedLayout{
    {attributeFloat, 3}, {attributeFloat, 3}, {attributeFloat, 2}, {attributeUint, 4},
    {attributeFloat, 4}};
// standardLayout plus the colour id the map editor picks blocks with
inline const VertexLayout mapLayout{
    {attributeFloat, 3}, {attributeFloat, 3}, {attributeFloat, 4}, {attributeFloat, 2},
    {attributeFloat, 3}};

} // namespace Engine::GFX
