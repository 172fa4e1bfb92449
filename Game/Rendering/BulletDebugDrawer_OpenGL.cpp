#include "Game/Rendering/BulletDebugDrawer_OpenGL.h"

namespace DebugDraw {

Engine::GFX::ColouredLines* BulletDebugDrawer_OpenGL::shared = nullptr;

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

void BulletDebugDrawer_OpenGL::drawLine(const btVector3& from, const btVector3& to, const btVector3& color)
{
    const std::array<float, floatsPerLine> vertices = lineVertices(from, to, color);
    // The previous line's objects go before the new ones are made.
    delete shared;
    shared = new Engine::GFX::ColouredLines(vertices.data(), 2);
    shared->draw();
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
