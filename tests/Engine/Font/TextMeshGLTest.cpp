#include "Engine/Font/TextMesh.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include <FreeImage.h>
#include <GL/glew.h>
#include <SDL.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <gtest/gtest.h>

#include "Engine/Core/DataFileError.h"

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

const char* const vertexSource = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 3) in vec2 aTexcoord;
uniform mat4 uMatrix;
out vec2 vTexcoord;
void main() { vTexcoord = aTexcoord; gl_Position = uMatrix * vec4(aPosition, 1.0); }
)";
const char* const fragmentSource = R"(#version 330 core
in vec2 vTexcoord;
uniform sampler2D uPage;
out vec4 colour;
void main() { colour = texture(uPage, vTexcoord); }
)";

void savePage(const std::string& path)
{
    FIBITMAP* image = FreeImage_Allocate(pageWidth, pageHeight, 32);
    for (int y = 0; y < pageHeight; ++y) {
        for (int x = 0; x < pageWidth; ++x) {
            RGBQUAD colour{0, 0, 0, 0};
            if (x < 8 && y < 8) {
                colour = RGBQUAD{0, 0, 255, 255}; // blue, green, red, alpha
            } else if (x >= 16 && x < 24 && y < 12) {
                colour = RGBQUAD{0, 255, 0, 255};
            }
            FreeImage_SetPixelColor(image, x, pageHeight - 1 - y, &colour); // FreeImage rows run bottom up
        }
    }
    FreeImage_Save(FIF_PNG, image, path.c_str(), PNG_DEFAULT);
    FreeImage_Unload(image);
}

std::string writeFontFolder()
{
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "text_test.fnt") << fontDescription;
    savePage(folder + "page.png");
    return folder;
}

class TextMeshGL : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        window = SDL_CreateWindow("text test", 0, 0, targetWidth, targetHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(nullptr, window) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(nullptr, context) << SDL_GetError();
        glewExperimental = GL_TRUE;
        ASSERT_EQ(GLEW_OK, glewInit());
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    static void TearDownTestSuite()
    {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }

    void SetUp() override
    {
        font = std::make_unique<Font>(writeFontFolder(), "text_test.fnt");
        program = linkProgram();
        makeTarget();
    }

    void TearDown() override
    {
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteTextures(1, &colourTarget);
        glDeleteProgram(program);
    }

    static GLuint compile(GLenum stage, const char* source)
    {
        const GLuint shader = glCreateShader(stage);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        return shader;
    }

    static GLuint linkProgram()
    {
        const GLuint linked = glCreateProgram();
        const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
        const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
        glAttachShader(linked, vertex);
        glAttachShader(linked, fragment);
        glLinkProgram(linked);
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        GLint status = GL_FALSE;
        glGetProgramiv(linked, GL_LINK_STATUS, &status);
        EXPECT_EQ(GL_TRUE, status);
        return linked;
    }

    void makeTarget()
    {
        glGenTextures(1, &colourTarget);
        glBindTexture(GL_TEXTURE_2D, colourTarget);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, targetWidth, targetHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colourTarget, 0);
        ASSERT_EQ(static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE), glCheckFramebufferStatus(GL_FRAMEBUFFER));
    }

    // Draws the text with its first line's top-left corner at `topLeft`, in a
    // projection of one unit per target pixel.
    void draw(TextMesh& text, glm::vec2 topLeft)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(0, 0, targetWidth, targetHeight);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glUseProgram(program);
        const glm::mat4 matrix = glm::ortho(0.0f, float(targetWidth), 0.0f, float(targetHeight)) *
                                 glm::translate(glm::mat4(1.0f), glm::vec3(topLeft, 0.0f));
        glUniformMatrix4fv(glGetUniformLocation(program, "uMatrix"), 1, GL_FALSE, glm::value_ptr(matrix));
        glUniform1i(glGetUniformLocation(program, "uPage"), 0);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, font->getPageTexture(0)->name);
        text.model->draw();
        glFinish();
    }

    glm::ivec3 pixel(int x, int y) const
    {
        unsigned char rgba[4] = {0, 0, 0, 0};
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    static SDL_Window* window;
    static SDL_GLContext context;
    std::unique_ptr<Font> font;
    GLuint program = 0;
    GLuint framebuffer = 0;
    GLuint colourTarget = 0;
};

SDL_Window* TextMeshGL::window = nullptr;
SDL_GLContext TextMeshGL::context = nullptr;

const glm::ivec3 red(255, 0, 0);
const glm::ivec3 green(0, 255, 0);
const glm::ivec3 black(0, 0, 0);

} // namespace

TEST_F(TextMeshGL, FontLoadsItsPageTexture)
{
    const std::shared_ptr<Texture2D> page = font->getPageTexture(0);
    EXPECT_EQ(static_cast<uint32_t>(pageWidth), page->width);
    EXPECT_EQ(static_cast<uint32_t>(pageHeight), page->height);
}

TEST_F(TextMeshGL, GlyphPixelsAppearWhereTheLayoutPutsThem)
{
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
    EXPECT_EQ(GL_NO_ERROR, glGetError());
}

TEST_F(TextMeshGL, RebuildReplacesTheGeometry)
{
    TextMesh text(font.get(), "A");
    text.rebuild();
    text.text = "B";
    text.rebuild();
    draw(text, {8.0f, 56.0f});
    EXPECT_EQ(green, pixel(9, 45));
    EXPECT_EQ(black, pixel(9, 55)); // A's block at the top is gone
}

TEST_F(TextMeshGL, SpacesBuildNoGeometry)
{
    TextMesh text(font.get(), "  ");
    text.rebuild();
    EXPECT_FALSE(text.hasGeometry);
    EXPECT_EQ(0, text.width);
    EXPECT_EQ(16, text.height);
    ASSERT_NE(nullptr, text.model);
}

TEST(FontLoading, MalformedNumberNamesFileAndLine)
{
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "broken.fnt") << "common lineHeight=16\nchar id=A\n";
    try {
        Font::load(folder, "broken.fnt");
        FAIL() << "the font was accepted";
    } catch (const Engine::DataFileError& error) {
        EXPECT_EQ(folder + "broken.fnt: line 2: bad number 'A' for key 'id'", std::string(error.what()));
    }
}

TEST(FontLoading, RawReaderLetsTheConversionErrorThrough)
{
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "broken_raw.fnt") << "char id=A\n";
    EXPECT_THROW(Font(folder, "broken_raw.fnt"), std::invalid_argument);
}

TEST(FontLoadingDeath, PageThatWasNotLoadedIsAProgrammingError)
{
    const Font empty(::testing::TempDir(), FontData{});
    EXPECT_DEATH(empty.getPageTexture(0), "Assertion failed: textures\\.count\\(page\\) > 0");
}
