#include "GLTestContext.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <SDL.h>

namespace GLTesting {

namespace {

constexpr int contextMajor = 3;
constexpr int contextMinor = 3;
constexpr int windowSize = 64;

struct Context {
    SDL_Window* window = nullptr;
    SDL_GLContext gl = nullptr;

    Context()
    {
        check(SDL_Init(SDL_INIT_VIDEO) == 0, "SDL_Init");
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, contextMajor);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, contextMinor);
        window = SDL_CreateWindow("GL test", 0, 0, windowSize, windowSize, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        check(window != nullptr, "SDL_CreateWindow");
        gl = SDL_GL_CreateContext(window);
        check(gl != nullptr, "SDL_GL_CreateContext");
        glewExperimental = GL_TRUE;
        check(glewInit() == GLEW_OK, "glewInit");
        // glewInit queries an enum the core profile lacks.
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    ~Context()
    {
        SDL_GL_DeleteContext(gl);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }

    static void check(bool succeeded, const char* step)
    {
        if (!succeeded) {
            std::fprintf(stderr, "GL test context: %s failed: %s\n", step, SDL_GetError());
            std::exit(EXIT_FAILURE);
        }
    }
};

} // namespace

void ensureContext()
{
    static Context context;
}

void GLTest::SetUp()
{
    ensureContext();
}

void GLTest::TearDown()
{
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glUseProgram(0);
}

void GLDeathTest::SetUp()
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GLTest::SetUp();
}

PixelTarget::PixelTarget()
    : target(size, size, 1, Engine::GFX::DepthStorage::Renderbuffer)
{
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer.name);
    glViewport(0, 0, size, size);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

PixelTarget::~PixelTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

std::vector<Rgba> PixelTarget::pixels() const
{
    std::vector<Rgba> result(size * size);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, target.framebuffer.name);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, result.data());
    return result;
}

Rgba PixelTarget::pixel(uint32_t x, uint32_t y) const
{
    return pixels()[y * size + x];
}

size_t PixelTarget::countPixels(Rgba colour) const
{
    const std::vector<Rgba> all = pixels();
    return static_cast<size_t>(std::count(all.begin(), all.end(), colour));
}

std::string standardVertexSource()
{
    return "#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec4 aColor;\nin vec2 aUv;\nout vec4 vColor;\n"
           "void main() {\n    vColor = aColor + vec4(aNormal * 0.0, 0.0) + vec4(aUv * 0.0, 0.0, 0.0);\n"
           "    gl_Position = vec4(aPos, 1.0);\n}\n";
}

std::string colourFragmentSource()
{
    return "#version 330 core\nin vec4 vColor;\nout vec4 fragColor;\nvoid main() { fragColor = vColor; }\n";
}

} // namespace GLTesting
