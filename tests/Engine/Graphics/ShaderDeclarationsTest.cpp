#include "Engine/Graphics/ShaderDeclarations.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

ShaderDeclarations scan(const std::string& vertex, const std::string& fragment = "")
{
    ShaderDeclarations found;
    scanShaderDeclarations(vertex, found);
    scanShaderDeclarations(fragment, found);
    return found;
}

TEST(ShaderDeclarations, AttributesKeepDeclarationOrder)
{
    const auto found = scan("attribute vec3 aPos;\nattribute vec2 aUv;\n");
    EXPECT_EQ(found.attributes, (Names{"aPos", "aUv"}));
}

TEST(ShaderDeclarations, InAndAttributeKeywordsAreEquivalent)
{
    const auto found = scan("in vec3 aPos;\nattribute vec2 aUv;\nin vec4 aColor;\n");
    EXPECT_EQ(found.attributes, (Names{"aPos", "aUv", "aColor"}));
}

TEST(ShaderDeclarations, FragmentInputsFollowAllVertexInputs)
{
    const auto found = scan("in vec3 aPos;\nout vec2 vUv;\nin vec2 aUv;\n", "in vec2 vUv;\n");
    EXPECT_EQ(found.attributes, (Names{"aPos", "aUv", "vUv"}));
}

TEST(ShaderDeclarations, SamplersFromBothStagesInOrder)
{
    const auto found = scan("uniform sampler2D uTex;\n", "uniform sampler2D uNormal;\n");
    EXPECT_EQ(found.samplers, (Names{"uTex", "uNormal"}));
    EXPECT_TRUE(found.uniforms.empty());
}

TEST(ShaderDeclarations, SamplerDeclaredInBothStagesIsListedTwice)
{
    const auto found = scan("uniform sampler2D uTex;\n", "uniform sampler2D uTex;\n");
    EXPECT_EQ(found.samplers, (Names{"uTex", "uTex"}));
}

TEST(ShaderDeclarations, ArrayUniformLosesItsSize)
{
    const auto found = scan("uniform mat4 uBones[64];\nuniform vec4 uColor;\n");
    EXPECT_EQ(found.uniforms, (Names{"uBones", "uColor"}));
}

TEST(ShaderDeclarations, SpaceBeforeSemicolonCutsTheName)
{
    // Four tokens: the third still loses its last character.
    const auto found = scan("uniform vec3 uColor ;\n");
    EXPECT_EQ(found.uniforms, (Names{"uColo"}));
}

TEST(ShaderDeclarations, PrecisionQualifierMakesTheTypeTheName)
{
    const auto found = scan("uniform highp vec3 uLight;\nin mediump vec2 aUv;\n");
    EXPECT_EQ(found.uniforms, (Names{"vec"}));
    EXPECT_EQ(found.attributes, (Names{"vec"}));
}

TEST(ShaderDeclarations, PrecisionQualifiedSamplerIsAnOrdinaryUniform)
{
    // The type is taken for the name and loses its last character like any name.
    const auto found = scan("uniform lowp sampler2D uTex;\n");
    EXPECT_TRUE(found.samplers.empty());
    EXPECT_EQ(found.uniforms, (Names{"sampler2"}));
}

TEST(ShaderDeclarations, OtherSamplerTypesAreOrdinaryUniforms)
{
    const auto found = scan("uniform samplerCube uSky;\nuniform usampler2D uIds;\n");
    EXPECT_TRUE(found.samplers.empty());
    EXPECT_EQ(found.uniforms, (Names{"uSky", "uIds"}));
}

TEST(ShaderDeclarations, SurroundingWhiteSpaceAndCarriageReturnsAreTrimmed)
{
    const auto found = scan("  \t in   vec3    aPos;\r\n\n\n\tuniform mat4 uMvp;  \r\n");
    EXPECT_EQ(found.attributes, (Names{"aPos"}));
    EXPECT_EQ(found.uniforms, (Names{"uMvp"}));
}

TEST(ShaderDeclarations, TabsInsideALineDoNotSeparateTokens)
{
    const auto found = scan("in\tvec3 aPos;\nuniform vec3\tuColor;\n");
    EXPECT_TRUE(found.attributes.empty());
    EXPECT_TRUE(found.uniforms.empty());
}

TEST(ShaderDeclarations, OutputsLayoutsAndCodeAreIgnored)
{
    const std::string source = "#version 330 core\n"
                               "layout(location = 0) in vec3 aPos;\n"
                               "out vec4 fragColor;\n"
                               "// uniform vec3 uCommented;\n"
                               "void main() { gl_Position = vec4(aPos, 1.0); }\n";
    const auto found = scan(source);
    EXPECT_TRUE(found.attributes.empty());
    EXPECT_TRUE(found.uniforms.empty());
    EXPECT_TRUE(found.samplers.empty());
}

TEST(ShaderDeclarations, KeywordMustMatchExactly)
{
    const auto found = scan("inout vec3 aPos;\nUniform vec3 uA;\nuniforms vec3 uB;\n");
    EXPECT_TRUE(found.attributes.empty());
    EXPECT_TRUE(found.uniforms.empty());
}

TEST(ShaderDeclarations, ShortLinesAreSkipped)
{
    const auto found = scan("in aPos;\nuniform\n");
    EXPECT_TRUE(found.attributes.empty());
    EXPECT_TRUE(found.uniforms.empty());
}

TEST(ShaderDeclarations, NameOfOnlyBracketsDeclaresNothing)
{
    const auto found = scan("uniform float [[;\n");
    EXPECT_TRUE(found.uniforms.empty());
}

} // namespace
