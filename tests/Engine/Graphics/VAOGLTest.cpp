#include "Engine/Graphics/VAO.h"

#include "Engine/Graphics/MatrixState.h"
#include "GLTestContext.h"

namespace {

using Engine::GFX::mapLayout;
using Engine::GFX::skinnedLayout;
using Engine::GFX::standardLayout;
using Engine::GFX::VAO;
using GLTesting::RenderTarget;
using GLTesting::Rgba;

const glm::vec4 red(1.0f, 0.0f, 0.0f, 1.0f);
const glm::vec4 green(0.0f, 1.0f, 0.0f, 1.0f);
const Rgba redPixel(255, 0, 0, 255);
const Rgba greenPixel(0, 255, 0, 255);

// Two triangles splitting the viewport along its rising diagonal: the lower
// right one red, the upper left one green.
const std::vector<glm::vec3> splitSquare{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
const std::vector<glm::vec4> splitColours{red, red, red, green, green, green};

void fillStandard(VAO& vao, const std::vector<glm::vec3>& positions, const std::vector<glm::vec4>& colours)
{
    vao.setBuffer(0, positions);
    vao.setBuffer(1, std::vector<glm::vec3>(positions.size(), glm::vec3(0, 0, 1)));
    vao.setBuffer(colours);
    vao.setBuffer(std::vector<glm::vec2>(positions.size(), glm::vec2(0.5f)));
}

class VAOGLTest : public GLTesting::GLTest {
protected:
    void drawWith(const std::string& vertex, const std::string& fragment, Engine::GFX::Drawable& drawable)
    {
        Shader shader(vertex, fragment);
        matrices.use(shader);
        drawable.draw();
    }

    Engine::Window window;
    MatrixState matrices{&window};
    RenderTarget target;
};

TEST_F(VAOGLTest, SixStandardVerticesDrawTwoTriangles)
{
    VAO vao(standardLayout);
    fillStandard(vao, splitSquare, splitColours);
    vao.upload();
    EXPECT_EQ(vao.elementCounts, (std::vector<uint32_t>{18, 18, 24, 12}));

    drawWith(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource(), vao);

    EXPECT_EQ(target.pixel(6, 1), redPixel);
    EXPECT_EQ(target.pixel(1, 6), greenPixel);
    EXPECT_EQ(target.countPixels(redPixel) + target.countPixels(greenPixel), RenderTarget::size * RenderTarget::size);
}

TEST_F(VAOGLTest, SkinnedBoneIdsReachTheShaderAsIntegers)
{
    VAO vao(skinnedLayout);
    vao.setBuffer(0, std::vector<glm::vec3>{{-1, -1, 0}, {3, -1, 0}, {-1, 3, 0}});
    vao.setBuffer(1, std::vector<glm::vec3>(3, glm::vec3(0, 0, 1)));
    vao.setBuffer(2, std::make_unique<float[]>(6), 6);
    auto ids = std::make_unique<uint32_t[]>(12);
    for (int i = 0; i < 12; ++i) ids[i] = 10 * (i % 4 + 1);
    vao.setBuffer(3, std::move(ids), 12);
    vao.setBuffer(4, std::make_unique<float[]>(12), 12);
    vao.upload();

    const std::string vertex = "#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec2 aUv;\n"
                               "in uvec4 aBoneIds;\nin vec4 aWeights;\nflat out uvec4 vIds;\nvoid main() {\n"
                               "    vIds = aBoneIds;\n"
                               "    gl_Position = vec4(aPos + aNormal * 0.0 + vec3(aUv, 0.0) * 0.0, 1.0)"
                               " + aWeights * 0.0;\n}\n";
    const std::string fragment = "#version 330 core\nflat in uvec4 vIds;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = vec4(vIds) / 255.0; }\n";
    drawWith(vertex, fragment, vao);

    EXPECT_EQ(target.countPixels(Rgba(10, 20, 30, 40)), RenderTarget::size * RenderTarget::size);
}

TEST_F(VAOGLTest, MapLayoutColourIdIsTheFifthAttribute)
{
    VAO vao(mapLayout);
    fillStandard(vao, splitSquare, splitColours);
    vao.setBuffer(4, std::vector<glm::vec3>(6, glm::vec3(0.2f, 0.4f, 0.6f)));
    vao.upload();

    const std::string vertex = "#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec4 aColor;\nin vec2 aUv;\n"
                               "in vec3 aColorId;\nout vec4 vColor;\nvoid main() {\n"
                               "    vColor = vec4(aColorId, 1.0) + 0.0 * (aColor + vec4(aNormal, aUv.x));\n"
                               "    gl_Position = vec4(aPos, 1.0);\n}\n";
    drawWith(vertex, GLTesting::colourFragmentSource(), vao);

    const Rgba p = target.pixel(3, 3);
    EXPECT_NEAR(p.r, 51, 1);
    EXPECT_NEAR(p.g, 102, 1);
    EXPECT_NEAR(p.b, 153, 1);
}

using VAOGLDeathTest = GLTesting::GLDeathTest;

TEST_F(VAOGLDeathTest, LayoutTypesAttributeIndicesAndMissingDataAreChecked)
{
    const Engine::GFX::VertexLayout layoutWithCodeThree{{0, 3}, {3, 2}};
    EXPECT_DEATH(VAO vao(layoutWithCodeThree), "Assertion failed: false ");
    VAO skinned(skinnedLayout);
    EXPECT_DEATH(skinned.setBuffer(3, std::make_unique<float[]>(4), 4),
                 "Assertion failed: type == MeshBuffer::Type::tFLOAT ");
    VAO vao(standardLayout);
    EXPECT_DEATH(vao.setBuffer(0, std::make_unique<uint32_t[]>(3), 3),
                 "Assertion failed: type == MeshBuffer::Type::tUINT ");
    EXPECT_DEATH(vao.setBuffer(4, splitSquare), "Assertion failed: index < attributeCount ");
    vao.setBuffer(0, splitSquare);
    EXPECT_DEATH(vao.setBuffer(0, splitSquare), "Assertion failed: bufferSet == false ");
    vao.setBuffer(1, splitSquare);
    vao.setBuffer(splitColours);
    EXPECT_DEATH(vao.upload(), "Assertion failed: bufferSet == true ");
}

} // namespace
