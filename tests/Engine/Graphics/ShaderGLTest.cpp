#include "Engine/Graphics/Shader.h"

#include "GLTestContext.h"

namespace {

using GLTesting::captureStdout;
using GLTesting::colourFragmentSource;
using GLTesting::standardVertexSource;

constexpr const char* frame = "================================";

const std::string brokenVertex = "#version 330 core\n"
                                 "void main() { gl_Position = undeclaredThing; }\n";

// The stages disagree on the type of vShared: each compiles, the link fails.
const std::string vec2OutVertex = "#version 330 core\n"
                                  "in vec3 aPos;\n"
                                  "out vec2 vShared;\n"
                                  "void main() { vShared = aPos.xy; gl_Position = vec4(aPos, 1.0); }\n";
const std::string vec4InFragment = "#version 330 core\n"
                                   "in vec4 vShared;\n"
                                   "uniform vec4 uTint;\n"
                                   "out vec4 fragColor;\n"
                                   "void main() { fragColor = vShared * uTint; }\n";

const std::string positionOnlyVertex = "#version 330 core\n"
                                       "in vec3 aPos;\n"
                                       "void main() { gl_Position = vec4(aPos, 1.0); }\n";

const std::string whiteFragment = "#version 330 core\n"
                                  "out vec4 fragColor;\n"
                                  "void main() { fragColor = vec4(1.0); }\n";

class ShaderGLTest : public GLTesting::GLTest {
};

TEST_F(ShaderGLTest, CompileFailurePrintsFramedSourceThenLog)
{
    std::unique_ptr<Shader> shader;
    const std::string out = captureStdout(
        [&] { shader = std::make_unique<Shader>(brokenVertex, colourFragmentSource()); });

    const std::string head = "Unable to compile shader " + std::to_string(shader->vertexStage->name) +
                             "!\n" + frame + brokenVertex + frame;
    ASSERT_EQ(out.compare(0, head.size(), head), 0) << out;
    const std::string linkLine = "Error linking program " + std::to_string(shader->program) + "!\n";
    const size_t linkAt = out.find(linkLine);
    ASSERT_NE(linkAt, std::string::npos) << out;
    EXPECT_EQ(linkAt + linkLine.size(), out.size());
    const std::string log = out.substr(head.size(), linkAt - head.size());
    EXPECT_GT(log.size(), 1u);
    EXPECT_EQ(log.back(), '\n');
}

TEST_F(ShaderGLTest, LinkFailureIsReportedAndUniformsStillEntered)
{
    std::unique_ptr<Shader> shader;
    const std::string out = captureStdout(
        [&] { shader = std::make_unique<Shader>(vec2OutVertex, vec4InFragment); });

    EXPECT_EQ(out, "Error linking program " + std::to_string(shader->program) + "!\n");
    ASSERT_TRUE(shader->hasUniform("uTint"));
    EXPECT_EQ(shader->getUniformLocation("uTint"), -1);
}

TEST_F(ShaderGLTest, WorkingShaderPrintsNothing)
{
    const std::string out = captureStdout(
        [] { Shader shader(standardVertexSource(), colourFragmentSource()); });
    EXPECT_EQ(out, "");
}

TEST_F(ShaderGLTest, AttributesAreBoundInDeclarationOrder)
{
    // aUnused is inactive; without the binding GL would give aPos location 0.
    const std::string vertex = "#version 330 core\n"
                               "in vec3 aUnused;\n"
                               "in vec2 aUv;\n"
                               "in vec3 aPos;\n"
                               "out vec2 vUv;\n"
                               "void main() { vUv = aUv; gl_Position = vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\n"
                                 "in vec2 vUv;\n"
                                 "out vec4 fragColor;\n"
                                 "void main() { fragColor = vec4(vUv, 0.0, 1.0); }\n";
    Shader shader(vertex, fragment);
    EXPECT_EQ(glGetAttribLocation(shader.program, "aUv"), 1);
    EXPECT_EQ(glGetAttribLocation(shader.program, "aPos"), 2);
    EXPECT_EQ(shader.attributes, (std::vector<std::string>{"aUnused", "aUv", "aPos", "vUv"}));
}

TEST_F(ShaderGLTest, ArrayUniformIsFoundUnderItsBareName)
{
    const std::string vertex = "#version 330 core\n"
                               "in vec3 aPos;\n"
                               "uniform mat4 uBones[64];\n"
                               "void main() { gl_Position = uBones[63] * vec4(aPos, 1.0); }\n";
    Shader shader(vertex, whiteFragment);
    ASSERT_TRUE(shader.hasUniform("uBones"));
    EXPECT_GE(shader.getUniformLocation("uBones"), 0);
    EXPECT_EQ(shader.getUniformLocation("uBones"), glGetUniformLocation(shader.program, "uBones"));
}

TEST_F(ShaderGLTest, UnusedUniformIsEnteredWithLocationMinusOne)
{
    const std::string vertex = "#version 330 core\n"
                               "in vec3 aPos;\n"
                               "uniform vec4 uIgnored;\n"
                               "void main() { gl_Position = vec4(aPos, 1.0); }\n";
    Shader shader(vertex, whiteFragment);
    ASSERT_TRUE(shader.hasUniform("uIgnored"));
    EXPECT_EQ(shader.getUniformLocation("uIgnored"), -1);
}

TEST_F(ShaderGLTest, SamplerInBothStagesIsOneSamplerWithTwoLocations)
{
    const std::string vertex = "#version 330 core\n"
                               "in vec3 aPos;\n"
                               "uniform sampler2D uTex;\n"
                               "out vec4 vColor;\n"
                               "void main() { vColor = texture(uTex, aPos.xy);"
                               " gl_Position = vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\n"
                                 "in vec4 vColor;\n"
                                 "uniform sampler2D uTex;\n"
                                 "out vec4 fragColor;\n"
                                 "void main() { fragColor = vColor + texture(uTex, vec2(0.5)); }\n";
    Shader shader(vertex, fragment);
    EXPECT_EQ(shader.samplers.size(), 1u);
    ASSERT_EQ(shader.samplerLocations.size(), 2u);
    EXPECT_EQ(shader.samplerLocations[0], shader.samplerLocations[1]);
    EXPECT_GE(shader.samplerLocations[0], 0);
    EXPECT_FALSE(shader.hasUniform("uTex"));
}

class ShaderGLDeathTest : public GLTesting::GLDeathTest {
};

TEST_F(ShaderGLDeathTest, LocationOfUndeclaredUniformIsAProgrammingError)
{
    Shader shader(positionOnlyVertex, whiteFragment);
    EXPECT_DEATH(shader.getUniformLocation("uNotThere"),
                 "Assertion failed: hasUniform\\(uniform\\) == true ");
}

} // namespace
