#include "Engine/Graphics/ElapsedTimeQueries.h"

#include <GL/glew.h>

namespace Engine::GFX {

ElapsedTimeQueries::ElapsedTimeQueries(std::size_t count) : names(count)
{
    glGenQueries(static_cast<GLsizei>(count), names.data());
}

ElapsedTimeQueries::~ElapsedTimeQueries()
{
    glDeleteQueries(static_cast<GLsizei>(names.size()), names.data());
}

bool ElapsedTimeQueries::supported()
{
    return GLEW_VERSION_3_3 || GLEW_ARB_timer_query;
}

void ElapsedTimeQueries::begin(std::size_t index)
{
    glBeginQuery(GL_TIME_ELAPSED, names[index]);
}

void ElapsedTimeQueries::end()
{
    glEndQuery(GL_TIME_ELAPSED);
}

bool ElapsedTimeQueries::available(std::size_t index) const
{
    GLuint ready = GL_FALSE;
    glGetQueryObjectuiv(names[index], GL_QUERY_RESULT_AVAILABLE, &ready);
    return ready == GL_TRUE;
}

double ElapsedTimeQueries::milliseconds(std::size_t index) const
{
    GLuint64 nanoseconds = 0;
    glGetQueryObjectui64v(names[index], GL_QUERY_RESULT, &nanoseconds);
    return static_cast<double>(nanoseconds) / 1.0e6;
}

} // namespace Engine::GFX
