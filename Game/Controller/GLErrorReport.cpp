#include "Game/Controller/GLErrorReport.h"

#include <GL/glew.h>

#include "Engine/Base/Log.h"

namespace Game {

namespace {

// Where the drain is reported from; kept stable so existing log filters
// keep matching.
constexpr const char* reportOrigin = " - GameController:376";

} // namespace

std::string glErrorName(uint32_t code)
{
    switch (code) {
    case GL_INVALID_ENUM: return "INVALID_ENUM";
    case GL_INVALID_VALUE: return "INVALID_VALUE";
    case GL_INVALID_OPERATION: return "INVALID_OPERATION";
    case GL_OUT_OF_MEMORY: return "OUT_OF_MEMORY";
    case GL_INVALID_FRAMEBUFFER_OPERATION: return "INVALID_FRAMEBUFFER_OPERATION";
    default: return "";
    }
}

std::string glErrorLine(uint32_t code)
{
    return "GL_" + glErrorName(code) + reportOrigin;
}

int reportErrors(const std::function<uint32_t()>& nextError, const std::function<void(const std::string&)>& report)
{
    int lines = 0;
    for (uint32_t code = nextError(); code != 0; code = nextError()) {
        report(glErrorLine(code));
        ++lines;
    }
    return lines;
}

int drainGLErrors()
{
    return reportErrors([] { return static_cast<uint32_t>(glGetError()); }, Engine::logError);
}

} // namespace Game
