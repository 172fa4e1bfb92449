#pragma once

#include <string>

namespace Engine {

// What start-up does after glewInit answered on one of its tries.
enum class GlewStep { goOn, retry, refuse };

// glewInit loads the GL entry points first and only then asks GLX for the
// current display; "no GLX display" therefore leaves GL itself loaded. That
// answer gets one more try after the context is made current again; when it
// comes back on the second try while SDL still holds the context current, the
// game goes on without GLEW's GLX extension flags, which it never reads (the
// GL version check that follows still decides). Every other failure refuses.
// attempt: 1 for the first call of glewInit, 2 for the retry.
GlewStep glewStepAfter(unsigned status, bool contextCurrent, int attempt);

// The refusal's detail: the failing call and what its answer means, instead
// of GLEW's own text (which is "Unknown error" for a missing GLX display),
// the SDL video driver (an EGL one has no GLX display), and SDL's error when
// SDL no longer holds the context current.
std::string glewFailure(unsigned status, const std::string& videoDriver, bool contextCurrent,
                        const std::string& sdlError);

} // namespace Engine
