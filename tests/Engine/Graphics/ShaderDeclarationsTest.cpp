#include "Engine/Graphics/ShaderDeclarations.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(ShaderDeclarations, ScannerFindsOnlyThreeTokenDeclarationsInOrder)
{
    struct Case {
        std::string vertex, fragment;
        Names attributes, uniforms, samplers;
    };
    const Case cases[] = {
        {"attribute vec3 aPos;\nattribute vec2 aUv;\n", "", {"aPos", "aUv"}, {}, {}},
        {"in vec3 aPos;\nattribute vec2 aUv;\nin vec4 aColor;\n", "", {"aPos", "aUv", "aColor"}, {}, {}},
        // Fragment inputs follow all vertex inputs; outputs are ignored.
        {"in vec3 aPos;\nout vec2 vUv;\nin vec2 aUv;\n", "in vec2 vUv;\n", {"aPos", "aUv", "vUv"}, {}, {}},
        {"uniform sampler2D uTex;\n", "uniform sampler2D uNormal;\n", {}, {}, {"uTex", "uNormal"}},
        {"uniform sampler2D uTex;\n", "uniform sampler2D uTex;\n", {}, {}, {"uTex", "uTex"}},
        {"uniform mat4 uBones[64];\nuniform vec4 uColor;\n", "", {}, {"uBones", "uColor"}, {}},
        // Four tokens: the third still loses its last character.
        {"uniform vec3 uColor ;\n", "", {}, {"uColo"}, {}},
        // A precision qualifier makes the type the name, a sampler an ordinary uniform.
        {"uniform highp vec3 uLight;\nin mediump vec2 aUv;\n", "", {"vec"}, {"vec"}, {}},
        {"uniform lowp sampler2D uTex;\n", "", {}, {"sampler2"}, {}},
        {"uniform samplerCube uSky;\nuniform usampler2D uIds;\n", "", {}, {"uSky", "uIds"}, {}},
        {"  \t in   vec3    aPos;\r\n\n\n\tuniform mat4 uMvp;  \r\n", "", {"aPos"}, {"uMvp"}, {}},
        {"in\tvec3 aPos;\nuniform vec3\tuColor;\n", "", {}, {}, {}},
        {"#version 330 core\nlayout(location = 0) in vec3 aPos;\nout vec4 fragColor;\n"
         "// uniform vec3 uCommented;\nvoid main() { gl_Position = vec4(aPos, 1.0); }\n",
         "", {}, {}, {}},
        {"inout vec3 aPos;\nUniform vec3 uA;\nuniforms vec3 uB;\n", "", {}, {}, {}},
        {"in aPos;\nuniform\n", "uniform float [[;\n", {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vertex + "|" + c.fragment);
        ShaderDeclarations found;
        scanShaderDeclarations(c.vertex, found);
        scanShaderDeclarations(c.fragment, found);
        EXPECT_EQ(found.attributes, c.attributes);
        EXPECT_EQ(found.uniforms, c.uniforms);
        EXPECT_EQ(found.samplers, c.samplers);
    }
}

} // namespace
