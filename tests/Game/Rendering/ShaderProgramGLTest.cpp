// Attribute i of every program the game loads is attribute i of the layout
// its pass draws with, sampler i reads unit i, and the uniforms a pass sets
// exist with their type.

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
        {"shaderMapGeometry", mapLayout, withMatrices({}), 1},
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

// Active vertex inputs or uniforms by name (arrays under their bare name).
std::map<std::string, ActiveVariable> activeVariables(GLuint programName, bool attributes)
{
    std::map<std::string, ActiveVariable> found;
    GLint count = 0;
    glGetProgramiv(programName, attributes ? GL_ACTIVE_ATTRIBUTES : GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[128];
        GLint size = 0;
        GLenum type = 0;
        const auto index = static_cast<GLuint>(i);
        if (attributes) {
            glGetActiveAttrib(programName, index, sizeof(name), nullptr, &size, &type, name);
            found[name] = {type, glGetAttribLocation(programName, name)};
        } else {
            glGetActiveUniform(programName, index, sizeof(name), nullptr, &size, &type, name);
            const std::string bare(name);
            found[bare.substr(0, bare.find('['))] = {type, glGetUniformLocation(programName, name)};
        }
    }
    return found;
}

using ShaderProgramTest = ShaderGLTest;

TEST_F(ShaderProgramTest, EveryProgramOfTheListCompilesAndLinksSilently)
{
    ShaderCollection collection;
    testing::internal::CaptureStdout();
    for (const ProgramContract& contract : contracts()) {
        const std::unique_ptr<Shader> built = collection.load(contract.name);
        GLint status = GL_FALSE;
        glGetProgramiv(built->program, GL_LINK_STATUS, &status);
        EXPECT_EQ(status, GL_TRUE) << contract.name;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "compile or link messages were printed";
    EXPECT_TRUE(program("shaderSkybox").hasUniform("uColor"));
}

TEST_F(ShaderProgramTest, InputsUniformsAndSamplersMatchWhatEachPassFeeds)
{
    for (const ProgramContract& contract : contracts()) {
        SCOPED_TRACE(contract.name);
        const Shader& shader = program(contract.name);
        const std::map<std::string, ActiveVariable> inputs = activeVariables(shader.program, true);
        ASSERT_FALSE(inputs.empty());
        bool positionFed = false;
        for (const auto& [name, input] : inputs) {
            const auto location = static_cast<size_t>(input.location);
            ASSERT_LT(location, contract.layout.size()) << name << " has no buffer";
            EXPECT_EQ(shader.attributes.at(location), name);
            EXPECT_EQ(input.type, glTypeOf(contract.layout[location])) << name;
            positionFed = positionFed || location == 0;
        }
        EXPECT_TRUE(positionFed) << "the position is not read";

        const std::map<std::string, ActiveVariable> uniforms = activeVariables(shader.program, false);
        for (const UniformNeed& need : contract.uniforms) {
            EXPECT_NE(shader.getUniformLocation(need.name), -1) << need.name;
            ASSERT_EQ(uniforms.count(need.name), 1u) << need.name;
            EXPECT_EQ(uniforms.at(need.name).type, need.type) << need.name;
        }
        ASSERT_EQ(shader.samplers.size(), contract.textureUnits);
        EXPECT_EQ(shader.samplerLocations.size(), contract.textureUnits);
        for (const auto& [name, location] : shader.samplers) {
            EXPECT_NE(location, -1) << name;
            ASSERT_EQ(uniforms.count(name), 1u) << name;
            EXPECT_EQ(uniforms.at(name).type, static_cast<GLenum>(GL_SAMPLER_2D)) << name;
        }
    }
}

} // namespace
} // namespace ShaderTesting
