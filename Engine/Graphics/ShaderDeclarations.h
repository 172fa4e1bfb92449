#pragma once

#include <string>
#include <vector>

// The names a GLSL source declares, as found by a line scanner that only
// knows the three-token shapes "in|attribute <type> <name>;" and
// "uniform <type> <name>;". Attributes are bound to locations and samplers
// to texture units in the order found, so the order is part of the contract
// between shader sources and the code that feeds them.
struct ShaderDeclarations {
    std::vector<std::string> attributes;
    std::vector<std::string> uniforms; // non-sampler uniforms, array suffix removed
    std::vector<std::string> samplers; // sampler2D uniforms
};

// Appends the declarations of one source; scan the vertex source first, then
// the fragment source, into the same lists.
void scanShaderDeclarations(const std::string& source, ShaderDeclarations& found);
