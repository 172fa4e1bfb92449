#include "Engine/Core/GlewStartup.h"

#include <GL/glew.h>

namespace Engine {

GlewStep glewStepAfter(unsigned status, bool contextCurrent, int attempt)
{
    if (status == GLEW_OK) return GlewStep::goOn;
    if (status != GLEW_ERROR_NO_GLX_DISPLAY) return GlewStep::refuse;
    if (attempt == 1) return GlewStep::retry;
    return contextCurrent ? GlewStep::goOn : GlewStep::refuse;
}

std::string glewFailure(unsigned status, const std::string& videoDriver, bool contextCurrent,
                        const std::string& sdlError)
{
    std::string meaning;
    switch (status) {
    case GLEW_ERROR_NO_GL_VERSION: meaning = "glGetString(GL_VERSION) gave no version"; break;
    case GLEW_ERROR_GL_VERSION_10_ONLY: meaning = "the context offers only OpenGL 1.0"; break;
    case GLEW_ERROR_GLX_VERSION_11_ONLY: meaning = "GLX 1.2 entry points are missing"; break;
    case GLEW_ERROR_NO_GLX_DISPLAY: meaning = "glXGetCurrentDisplay() gave no display"; break;
    default: meaning = "unknown answer"; break;
    }
    std::string text = "glewInit returned " + std::to_string(status) + " (" + meaning + ") under SDL's " + videoDriver
        + " video driver";
    if (!contextCurrent) text += "; SDL_GL_GetCurrentContext() is not the new context: " + sdlError;
    return text;
}

} // namespace Engine
