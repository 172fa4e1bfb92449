// The contract between the shipped shader programs and the code that feeds
// them: attribute i of a program is attribute i of the vertex layout its pass
// draws with, sampler i reads the texture the pass binds to unit i, and the
// uniforms a pass sets exist with the type it uploads.

#include <map>

#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Graphics/VertexLayout.h"
#include "ShaderGLFixture.h"

namespace ShaderTesting {
namespace {

using Engine::GFX::VertexLayout;

// Two three-float attributes per vertex: position, colour.
const VertexLayout physicsLineLayout{{Engine::GFX::attributeFloat, 3}, {Engine::GFX::attributeFloat, 3}};

struct UniformNeed {
    std::string name;
    GLenum type;
};

struct ProgramContract {
    std::string name;
    VertexLayout layout;
    std::vector<UniformNeed> uniforms;
    size_t textureUnits;
};

std::vector<UniformNeed> withMatrices(std::vector<UniformNeed> needs)
{
    needs.push_back({"uModelViewMatrix", GL_FLOAT_MAT4});
    needs.push_back({"uProjectionMatrix", GL_FLOAT_MAT4});
    return needs;
}

const std::vector<ProgramContract>& contracts()
{
    using Engine::GFX::mapLayout;
    using Engine::GFX::skinnedLayout;
    using Engine::GFX::standardLayout;
    static const std::vector<ProgramContract> table{
        {"defaultShader", standardLayout, withMatrices({}), 1},
        {"skeletalShader", skinnedLayout, withMatrices({{"uBones", GL_FLOAT_MAT4}}), 1},
        {"shaderDefaultWithColorID", mapLayout, withMatrices({}), 0},
        {"shaderSceneMapMRT", mapLayout, withMatrices({}), 1},
        {"shaderEntity", standardLayout, withMatrices({}), 0},
        {"shaderSkybox", standardLayout, withMatrices({}), 1},
        {"shaderRope", standardLayout, withMatrices({}), 1},
        {"shaderMapGeometry", mapLayout, withMatrices({}), 2},
        {"shaderDepthVisualisation", standardLayout, withMatrices({}), 1},
        {"shaderFinalComposit", standardLayout, withMatrices({}), 2},
        {"shaderMaxDepthWrite", standardLayout, withMatrices({}), 0},
        {"shaderEdgeDetection", standardLayout, withMatrices({{"uPixelSize", GL_FLOAT_VEC2}}), 1},
        {"shaderFloor", standardLayout, withMatrices({}), 1},
        {"shaderFontDefault", standardLayout, withMatrices({}), 1},
        {"shaderPhysicsDebug", physicsLineLayout, withMatrices({}), 0},
        {"shaderUiBackground", standardLayout, withMatrices({{"uBackgroundColor", GL_FLOAT_VEC4}}), 1},
        {"shaderDefaultPremultipliedAlpha", standardLayout, withMatrices({}), 1},
        {"shaderEntitySelection", standardLayout, withMatrices({}), 0},
        {"shaderEditorAxis", standardLayout, withMatrices({{"uColor", GL_FLOAT_VEC4}}), 0},
        {"shaderEditorAxisID", standardLayout,
         withMatrices({{"uColor", GL_FLOAT_VEC4}, {"uNormalMatrix", GL_FLOAT_MAT3}, {"uBorderScale", GL_FLOAT}}), 0},
    };
    return table;
}

GLenum glTypeOf(const Engine::GFX::VertexAttribute& attribute)
{
    static const std::map<std::pair<uint32_t, uint32_t>, GLenum> types{
        {{Engine::GFX::attributeFloat, 1}, GL_FLOAT},        {{Engine::GFX::attributeFloat, 2}, GL_FLOAT_VEC2},
        {{Engine::GFX::attributeFloat, 3}, GL_FLOAT_VEC3},   {{Engine::GFX::attributeFloat, 4}, GL_FLOAT_VEC4},
        {{Engine::GFX::attributeInt, 4}, GL_INT_VEC4},       {{Engine::GFX::attributeUint, 4}, GL_UNSIGNED_INT_VEC4},
    };
    return types.at({attribute.typeCode, attribute.components});
}

struct ActiveVariable {
    GLenum type;
    GLint location;
};

// Active vertex inputs by name, with the location the engine bound them to.
std::map<std::string, ActiveVariable> activeAttributes(GLuint programName)
{
    std::map<std::string, ActiveVariable> found;
    GLint count = 0;
    glGetProgramiv(programName, GL_ACTIVE_ATTRIBUTES, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[128];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(programName, static_cast<GLuint>(i), sizeof(name), nullptr, &size, &type, name);
        found[name] = {type, glGetAttribLocation(programName, name)};
    }
    return found;
}

// Active uniforms by name; arrays are listed under their bare name.
std::map<std::string, ActiveVariable> activeUniforms(GLuint programName)
{
    std::map<std::string, ActiveVariable> found;
    GLint count = 0;
    glGetProgramiv(programName, GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[128];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(programName, static_cast<GLuint>(i), sizeof(name), nullptr, &size, &type, name);
        std::string bare(name);
        bare = bare.substr(0, bare.find('['));
        found[bare] = {type, glGetUniformLocation(programName, name)};
    }
    return found;
}

using ShaderProgramTest = ShaderGLTest;

TEST_F(ShaderProgramTest, EveryProgramOfTheListCompilesAndLinksSilently)
{
    ShaderCollection collection;
    std::vector<std::unique_ptr<Shader>> built;
    testing::internal::CaptureStdout();
    for (const std::string& name : programNames) {
        built.push_back(collection.load(name));
    }
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(printed, "") << "compile or link messages were printed";
    for (size_t i = 0; i < built.size(); ++i) {
        GLint status = GL_FALSE;
        glGetProgramiv(built[i]->program, GL_LINK_STATUS, &status);
        EXPECT_EQ(status, GL_TRUE) << programNames[i];
    }
}

TEST_F(ShaderProgramTest, ContractsCoverEveryProgramOfTheGame)
{
    std::vector<std::string> covered;
    for (const ProgramContract& contract : contracts()) {
        covered.push_back(contract.name);
    }
    EXPECT_EQ(covered, programNames);
}

TEST_F(ShaderProgramTest, VertexInputsSitAtTheirLayoutLocationsWithTheLayoutTypes)
{
    for (const ProgramContract& contract : contracts()) {
        const Shader& shader = program(contract.name);
        const std::map<std::string, ActiveVariable> inputs = activeAttributes(shader.program);
        ASSERT_FALSE(inputs.empty()) << contract.name;
        bool positionFed = false;
        for (const auto& [name, input] : inputs) {
            ASSERT_GE(input.location, 0) << contract.name << " " << name;
            const size_t location = static_cast<size_t>(input.location);
            ASSERT_LT(location, contract.layout.size()) << contract.name << " " << name << " has no buffer";
            EXPECT_EQ(shader.attributes.at(location), name) << contract.name;
            EXPECT_EQ(input.type, glTypeOf(contract.layout[location])) << contract.name << " " << name;
            positionFed = positionFed || location == 0;
        }
        EXPECT_TRUE(positionFed) << contract.name << " does not read the position";
    }
}

TEST_F(ShaderProgramTest, UniformsSetByEachPassAreActiveWithTheUploadedType)
{
    for (const ProgramContract& contract : contracts()) {
        const Shader& shader = program(contract.name);
        const std::map<std::string, ActiveVariable> active = activeUniforms(shader.program);
        for (const UniformNeed& need : contract.uniforms) {
            ASSERT_TRUE(shader.hasUniform(need.name)) << contract.name << " " << need.name;
            EXPECT_NE(shader.getUniformLocation(need.name), -1) << contract.name << " " << need.name;
            ASSERT_EQ(active.count(need.name), 1u) << contract.name << " " << need.name;
            EXPECT_EQ(active.at(need.name).type, need.type) << contract.name << " " << need.name;
        }
    }
}

TEST_F(ShaderProgramTest, SkyProgramAcceptsTheColourItsPassSets)
{
    EXPECT_TRUE(program("shaderSkybox").hasUniform("uColor"));
}

TEST_F(ShaderProgramTest, SamplersMatchTheTextureUnitsEachPassBinds)
{
    for (const ProgramContract& contract : contracts()) {
        const Shader& shader = program(contract.name);
        const std::map<std::string, ActiveVariable> active = activeUniforms(shader.program);
        EXPECT_EQ(shader.samplers.size(), contract.textureUnits) << contract.name;
        ASSERT_EQ(shader.samplerLocations.size(), contract.textureUnits) << contract.name;
        for (const auto& [name, location] : shader.samplers) {
            EXPECT_NE(location, -1) << contract.name << " " << name;
            ASSERT_EQ(active.count(name), 1u) << contract.name << " " << name;
            EXPECT_EQ(active.at(name).type, static_cast<GLenum>(GL_SAMPLER_2D)) << contract.name << " " << name;
        }
    }
}

} // namespace
} // namespace ShaderTesting
