#include "tests/Game/UI/GLContext.h"

#include <cstdio>
#include <cstdlib>

#include <GL/glew.h>
#include <SDL.h>

namespace GameGLTesting {

namespace {

constexpr int contextMajor = 3;
constexpr int contextMinor = 3;
constexpr int windowSize = 64;

struct Context {
    SDL_Window* window = nullptr;
    SDL_GLContext gl = nullptr;

    Context()
    {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            fail("SDL_Init");
        }
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, contextMajor);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, contextMinor);
        window = SDL_CreateWindow("UI test", 0, 0, windowSize, windowSize, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (window == nullptr) {
            fail("SDL_CreateWindow");
        }
        gl = SDL_GL_CreateContext(window);
        if (gl == nullptr) {
            fail("SDL_GL_CreateContext");
        }
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) {
            fail("glewInit");
        }
        // glewInit asks for an enum the core profile lacks.
        drainGLErrors();
    }

    ~Context()
    {
        SDL_GL_DeleteContext(gl);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }

    [[noreturn]] static void fail(const char* step)
    {
        std::fprintf(stderr, "GL test context: %s failed: %s\n", step, SDL_GetError());
        std::exit(EXIT_FAILURE);
    }
};

} // namespace

void ensureContext()
{
    static Context context;
}

void drainGLErrors()
{
    while (glGetError() != GL_NO_ERROR) {
    }
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

} // namespace GameGLTesting
