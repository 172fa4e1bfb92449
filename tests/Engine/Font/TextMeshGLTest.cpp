#include "Engine/Font/TextMesh.h"

#include <fstream>
#include <memory>

#include <FreeImage.h>
#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"
#include "Engine/Graphics/FBO.h"
#include "Engine/Graphics/Shader.h"
#include "tests/support/GLTestContext.h"

using namespace Engine::GFX;

namespace {

constexpr int targetWidth = 128;
constexpr int targetHeight = 64;

// A 32 x 16 page: glyph "A" is a red 8 x 8 block in the top-left corner,
// glyph "B" a green 8 x 12 block at x = 16; everything else is transparent.
constexpr int pageWidth = 32;
constexpr int pageHeight = 16;
const char* const fontDescription = "common lineHeight=16 base=12 scaleW=32 scaleH=16\n"
                                    "page id=0 file=\"page.png\"\n"
                                    "char id=65 x=0 y=0 width=8 height=8 xoffset=0 yoffset=0 xadvance=10 page=0\n"
                                    "char id=66 x=16 y=0 width=8 height=12 xoffset=0 yoffset=4 xadvance=10 page=0\n"
                                    "char id=32 x=30 y=0 width=0 height=0 xoffset=0 yoffset=0 xadvance=4 page=0\n";

// The attributes in the order of the engine's vertex layout.
const char* const vertexSource =
    "#version 330 core\nin vec3 aPosition;\nin vec3 aNormal;\nin vec4 aColour;\nin vec2 aTexcoord;\n"
    "uniform mat4 uMatrix;\nout vec2 vTexcoord;\n"
    "void main() { vTexcoord = aTexcoord; gl_Position = uMatrix * vec4(aPosition, 1.0); }\n";
const char* const fragmentSource = "#version 330 core\nin vec2 vTexcoord;\nuniform sampler2D uPage;\nout vec4 colour;\n"
                                   "void main() { colour = texture(uPage, vTexcoord); }\n";

std::string writeFontFolder()
{
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "text_test.fnt") << fontDescription;
    FIBITMAP* image = FreeImage_Allocate(pageWidth, pageHeight, 32);
    for (int y = 0; y < pageHeight; ++y) {
        for (int x = 0; x < pageWidth; ++x) {
            RGBQUAD colour{0, 0, 0, 0}; // blue, green, red, alpha
            if (x < 8 && y < 8) colour = RGBQUAD{0, 0, 255, 255};
            if (x >= 16 && x < 24 && y < 12) colour = RGBQUAD{0, 255, 0, 255};
            FreeImage_SetPixelColor(image, x, pageHeight - 1 - y, &colour); // FreeImage rows run bottom up
        }
    }
    FreeImage_Save(FIF_PNG, image, (folder + "page.png").c_str(), PNG_DEFAULT);
    FreeImage_Unload(image);
    return folder;
}

class TextMeshGL : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        font = std::make_unique<Font>(writeFontFolder(), "text_test.fnt");
        shader = std::make_unique<Shader>(vertexSource, fragmentSource);
        target = std::make_unique<FBO>(targetWidth, targetHeight);
        colour = std::make_unique<Texture2D>(TextureFormat::RGBA8, targetWidth, targetHeight);
        glBindFramebuffer(GL_FRAMEBUFFER, target->name);
        target->attachTexture(*colour);
        target->finish();
    }

    // Draws the text with its first line's top-left corner at `topLeft`, in a
    // projection of one unit per target pixel.
    void draw(TextMesh& text, glm::vec2 topLeft)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, target->name);
        glViewport(0, 0, targetWidth, targetHeight);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glUseProgram(shader->program);
        const glm::mat4 matrix = glm::ortho(0.0f, float(targetWidth), 0.0f, float(targetHeight)) *
                                 glm::translate(glm::mat4(1.0f), glm::vec3(topLeft, 0.0f));
        glUniformMatrix4fv(shader->getUniformLocation("uMatrix"), 1, GL_FALSE, glm::value_ptr(matrix));
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, font->getPageTexture(0)->name);
        text.model->draw();
    }

    glm::ivec3 pixel(int x, int y) const
    {
        unsigned char rgba[4] = {0, 0, 0, 0};
        glBindFramebuffer(GL_FRAMEBUFFER, target->name);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    std::unique_ptr<Font> font;
    std::unique_ptr<Shader> shader;
    std::unique_ptr<FBO> target;
    std::unique_ptr<Texture2D> colour;
};

using TextMeshGLDeathTest = GLTesting::GLDeathTest;

const glm::ivec3 red(255, 0, 0);
const glm::ivec3 green(0, 255, 0);
const glm::ivec3 black(0, 0, 0);

} // namespace

TEST_F(TextMeshGL, GlyphPixelsAppearWhereTheLayoutPutsThem)
{
    EXPECT_EQ(static_cast<uint32_t>(pageWidth), font->getPageTexture(0)->width);
    TextMesh text(font.get(), "AB");
    text.rebuild();
    ASSERT_TRUE(text.hasGeometry);
    EXPECT_EQ(18, text.width);
    EXPECT_EQ(16, text.height);
    draw(text, {8.0f, 56.0f});
    // A covers x 8..16, y 48..56; B covers x 18..26, y 40..52.
    EXPECT_EQ(red, pixel(9, 49));
    EXPECT_EQ(red, pixel(15, 55));
    EXPECT_EQ(green, pixel(19, 41));
    EXPECT_EQ(green, pixel(25, 51));
    EXPECT_EQ(black, pixel(17, 50)); // between the glyphs
    EXPECT_EQ(black, pixel(12, 58)); // above the line's glyphs
    EXPECT_EQ(black, pixel(22, 38)); // below B
}

TEST_F(TextMeshGL, RebuildReplacesTheGeometryAndSpacesBuildNone)
{
    TextMesh text(font.get(), "A");
    text.rebuild();
    text.text = "B";
    text.rebuild();
    draw(text, {8.0f, 56.0f});
    EXPECT_EQ(green, pixel(9, 45));
    EXPECT_EQ(black, pixel(9, 55)); // A's block at the top is gone

    text.text = "  ";
    text.rebuild();
    EXPECT_FALSE(text.hasGeometry);
    EXPECT_EQ(0, text.width);
    EXPECT_EQ(16, text.height);
}

TEST(FontLoading, TheCheckedLoaderNamesFileAndLineWhereTheRawOneLetsStoiThrow)
{
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "broken.fnt") << "common lineHeight=16\nchar id=A\n";
    try {
        Font::load(folder, "broken.fnt");
        ADD_FAILURE() << "the font was accepted";
    } catch (const Engine::DataFileError& error) {
        EXPECT_EQ(folder + "broken.fnt: line 2: bad number 'A' for key 'id'", std::string(error.what()));
    }
    EXPECT_THROW(Font(folder, "broken.fnt"), std::invalid_argument);
}

TEST_F(TextMeshGLDeathTest, PageThatWasNotLoadedIsAProgrammingError)
{
    const Font empty(::testing::TempDir(), FontData{});
    EXPECT_DEATH(empty.getPageTexture(0), "Assertion failed: textures\\.count\\(page\\) > 0");
}
