#include "Engine/Graphics/Shader.h"

#include "GLTestContext.h"

namespace {

using GLTesting::captureStdout;
using GLTesting::colourFragmentSource;

const std::string brokenVertex = "#version 330 core\nvoid main() { gl_Position = undeclaredThing; }\n";

using ShaderGLTest = GLTesting::GLTest;

TEST_F(ShaderGLTest, CompileFailurePrintsFramedSourceThenLogThenTheLinkFailure)
{
    std::unique_ptr<Shader> shader;
    const std::string out =
        captureStdout([&] { shader = std::make_unique<Shader>(brokenVertex, colourFragmentSource()); });

    const std::string frame = "================================";
    const std::string head = "Unable to compile shader " + std::to_string(shader->vertexStage->name) + "!\n" + frame +
                             brokenVertex + frame;
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
    // The stages disagree on the type of vShared: each compiles, the link fails.
    const std::string vertex = "#version 330 core\nin vec3 aPos;\nout vec2 vShared;\n"
                               "void main() { vShared = aPos.xy; gl_Position = vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\nin vec4 vShared;\nuniform vec4 uTint;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = vShared * uTint; }\n";
    std::unique_ptr<Shader> shader;
    const std::string out = captureStdout([&] { shader = std::make_unique<Shader>(vertex, fragment); });

    EXPECT_EQ(out, "Error linking program " + std::to_string(shader->program) + "!\n");
    ASSERT_TRUE(shader->hasUniform("uTint"));
    EXPECT_EQ(shader->getUniformLocation("uTint"), -1);
}

TEST_F(ShaderGLTest, WorkingShaderBindsAttributesInDeclarationOrderAndPrintsNothing)
{
    // aUnused is inactive; without the binding GL would give aPos location 0.
    const std::string vertex = "#version 330 core\nin vec3 aUnused;\nin vec2 aUv;\nin vec3 aPos;\nout vec2 vUv;\n"
                               "void main() { vUv = aUv; gl_Position = vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\nin vec2 vUv;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = vec4(vUv, 0.0, 1.0); }\n";
    std::unique_ptr<Shader> shader;
    EXPECT_EQ(captureStdout([&] { shader = std::make_unique<Shader>(vertex, fragment); }), "");
    EXPECT_EQ(glGetAttribLocation(shader->program, "aUv"), 1);
    EXPECT_EQ(glGetAttribLocation(shader->program, "aPos"), 2);
    EXPECT_EQ(shader->attributes, (std::vector<std::string>{"aUnused", "aUv", "aPos", "vUv"}));
}

// The array is declared by its bare name; uIgnored is declared but optimised
// away; the sampler is declared in both stages.
TEST_F(ShaderGLTest, ArrayUniformsGoByTheirBareNameUnusedOnesSitAtMinusOneAndSharedSamplersCountOnce)
{
    const std::string vertex = "#version 330 core\nin vec3 aPos;\nuniform mat4 uBones[64];\nuniform vec4 uIgnored;\n"
                               "uniform sampler2D uTex;\nout vec4 vColor;\nvoid main() {\n"
                               "    vColor = texture(uTex, aPos.xy);\n"
                               "    gl_Position = uBones[63] * vec4(aPos, 1.0);\n}\n";
    const std::string fragment = "#version 330 core\nin vec4 vColor;\nuniform sampler2D uTex;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = vColor + texture(uTex, vec2(0.5)); }\n";
    Shader shader(vertex, fragment);
    ASSERT_TRUE(shader.hasUniform("uBones"));
    EXPECT_GE(shader.getUniformLocation("uBones"), 0);
    EXPECT_EQ(shader.getUniformLocation("uBones"), glGetUniformLocation(shader.program, "uBones"));
    ASSERT_TRUE(shader.hasUniform("uIgnored"));
    EXPECT_EQ(shader.getUniformLocation("uIgnored"), -1);
    EXPECT_EQ(shader.samplers.size(), 1u);
    ASSERT_EQ(shader.samplerLocations.size(), 2u);
    EXPECT_EQ(shader.samplerLocations[0], shader.samplerLocations[1]);
    EXPECT_GE(shader.samplerLocations[0], 0);
    EXPECT_FALSE(shader.hasUniform("uTex"));
}

using ShaderGLDeathTest = GLTesting::GLDeathTest;

TEST_F(ShaderGLDeathTest, LocationOfUndeclaredUniformIsAProgrammingError)
{
    Shader shader(GLTesting::standardVertexSource(), colourFragmentSource());
    EXPECT_DEATH(shader.getUniformLocation("uNotThere"), "Assertion failed: hasUniform\\(uniform\\) == true ");
}

} // namespace
