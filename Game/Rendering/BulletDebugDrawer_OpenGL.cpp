#include "Game/Rendering/BulletDebugDrawer_OpenGL.h"

#include <GL/glew.h>

namespace DebugDraw {

namespace {

constexpr GLuint positionAttribute = 0;
constexpr GLuint colourAttribute = 1;
constexpr GLint componentsPerAttribute = 3;
constexpr GLsizei vertexStride = BulletDebugDrawer_OpenGL::floatsPerVertex * sizeof(float);
constexpr size_t colourOffset = componentsPerAttribute * sizeof(float);
constexpr GLsizei verticesPerLine = 2;

void enableAttribute(GLuint index, size_t offset)
{
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, componentsPerAttribute, GL_FLOAT, GL_FALSE, vertexStride,
                          reinterpret_cast<const void*>(offset));
}

} // namespace

uint32_t BulletDebugDrawer_OpenGL::vertexBuffer = 0;
uint32_t BulletDebugDrawer_OpenGL::vertexArray = 0;

BulletDebugDrawer_OpenGL::BulletDebugDrawer_OpenGL(int debugMode)
    : debugMode(debugMode)
{
}

std::array<float, BulletDebugDrawer_OpenGL::floatsPerLine>
BulletDebugDrawer_OpenGL::lineVertices(const btVector3& from, const btVector3& to, const btVector3& color)
{
    return {from.x(), from.y(), from.z(), color.x(), color.y(), color.z(),
            to.x(),   to.y(),   to.z(),   color.x(), color.y(), color.z()};
}

void BulletDebugDrawer_OpenGL::replaceSharedObjects()
{
    // Deleting name 0 is harmless, so the first line needs no special case.
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glGenVertexArrays(1, &vertexArray);
}

void BulletDebugDrawer_OpenGL::drawLine(const btVector3& from, const btVector3& to, const btVector3& color)
{
    const std::array<float, floatsPerLine> vertices = lineVertices(from, to, color);
    replaceSharedObjects();

    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof(vertices), vertices.data(), GL_STATIC_DRAW);
    enableAttribute(positionAttribute, 0);
    enableAttribute(colourAttribute, colourOffset);
    glBindVertexArray(0);

    glBindVertexArray(vertexArray);
    glDrawArrays(GL_LINES, 0, verticesPerLine);
    glBindVertexArray(0);
}

void BulletDebugDrawer_OpenGL::drawContactPoint(const btVector3& /*pointOnB*/, const btVector3& /*normalOnB*/,
                                                btScalar /*distance*/, int /*lifeTime*/, const btVector3& /*color*/)
{
}

void BulletDebugDrawer_OpenGL::reportErrorWarning(const char* /*warningString*/)
{
}

void BulletDebugDrawer_OpenGL::draw3dText(const btVector3& /*location*/, const char* /*textString*/)
{
}

void BulletDebugDrawer_OpenGL::setDebugMode(int mode)
{
    debugMode = mode;
}

int BulletDebugDrawer_OpenGL::getDebugMode() const
{
    return drawnMode;
}

} // namespace DebugDraw
