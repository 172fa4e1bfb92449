#include "Engine/Font/TextMesh.h"
#include "tests/support/GLTestContext.h"
#include "tests/support/TestFiles.h"

#include <FreeImage.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace {

using namespace Engine::GFX;
using GLTesting::Rgba;

// A 32 x 16 page: "A" is a red 8 x 8 block in its top-left corner, "B" a
// green 8 x 12 block at x = 16; the rest is transparent.
void writeFont(const TestFiles::TempDir& dir)
{
    TestFiles::writeText(dir.path("t.fnt"),
                         "common lineHeight=16 base=12 scaleW=32 scaleH=16\npage id=0 file=\"page.png\"\n"
                         "char id=65 x=0 y=0 width=8 height=8 xoffset=0 yoffset=0 xadvance=10 page=0\n"
                         "char id=66 x=16 y=0 width=8 height=12 xoffset=0 yoffset=4 xadvance=10 page=0\n"
                         "char id=32 x=30 y=0 width=0 height=0 xoffset=0 yoffset=0 xadvance=4 page=0\n");
    FIBITMAP* image = FreeImage_Allocate(32, 16, 32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            RGBQUAD colour{0, 0, 0, 0}; // blue, green, red, alpha
            if (x < 8 && y < 8) colour = RGBQUAD{0, 0, 255, 255};
            if (x >= 16 && x < 24 && y < 12) colour = RGBQUAD{0, 255, 0, 255};
            FreeImage_SetPixelColor(image, x, 15 - y, &colour); // FreeImage rows run bottom up
        }
    FreeImage_Save(FIF_PNG, image, dir.path("page.png").c_str(), PNG_DEFAULT);
    FreeImage_Unload(image);
}

using TextMeshGL = GLTesting::GLTest;

// Draws with one unit per pixel of a 64 x 32 target, the line's top-left
// corner at (4, 28); reads back one pixel per glyph row of interest.
TEST_F(TextMeshGL, GlyphPixelsAppearWhereTheLayoutPutsThemAndRebuildsReplaceThem)
{
    const TestFiles::TempDir dir;
    writeFont(dir);
    Font font(dir.folder().string() + "/", "t.fnt");
    const Shader shader("#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec4 aColor;\nin vec2 aUv;\n"
                        "uniform mat4 uMatrix;\nout vec2 vUv;\n"
                        "void main() { vUv = aUv; gl_Position = uMatrix * vec4(aPos, 1.0); }\n",
                        "#version 330 core\nin vec2 vUv;\nuniform sampler2D uPage;\nout vec4 colour;\n"
                        "void main() { colour = texture(uPage, vUv); }\n");
    FBO fbo(64, 32);
    Texture2D colour(TextureFormat::RGBA8, 64, 32);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    fbo.attachTexture(colour);
    fbo.finish();
    const auto draw = [&](TextMesh& text) {
        glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
        glViewport(0, 0, 64, 32);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glUseProgram(shader.program);
        const glm::mat4 matrix = glm::translate(glm::ortho(0.0f, 64.0f, 0.0f, 32.0f), glm::vec3(4, 28, 0));
        glUniformMatrix4fv(shader.getUniformLocation("uMatrix"), 1, GL_FALSE, glm::value_ptr(matrix));
        glBindTexture(GL_TEXTURE_2D, font.getPageTexture(0)->name);
        text.model->draw();
    };
    const auto pixel = [](int x, int y) {
        Rgba p;
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
        return p;
    };
    const Rgba red(255, 0, 0, 255), green(0, 255, 0, 255), black(0, 0, 0, 255);
    TextMesh text(&font, "AB");
    text.rebuild();
    EXPECT_EQ(std::make_pair(text.width, text.height), std::make_pair(18, 16));
    draw(text);
    // A covers x 4..12, y 20..28; B covers x 14..22, y 12..24.
    EXPECT_EQ((std::vector<Rgba>{pixel(5, 21), pixel(11, 27), pixel(15, 13), pixel(21, 23), pixel(13, 22),
                                 pixel(8, 30), pixel(18, 10)}),
              (std::vector<Rgba>{red, red, green, green, black, black, black}));
    text.text = "B";
    text.rebuild();
    draw(text);
    EXPECT_EQ(std::make_pair(pixel(5, 17), pixel(5, 27)), std::make_pair(green, black)) << "A's block is gone";
    text.text = "  ";
    text.rebuild();
    EXPECT_FALSE(text.hasGeometry);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace
