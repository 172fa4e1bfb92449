#pragma once

#include <LinearMath/btIDebugDraw.h>

#include <array>
#include <cstdint>

#include "Engine/Graphics/ColouredLines.h"

namespace DebugDraw {

// Bullet's debug drawing turned into GL line draws. Bullet reduces every
// shape it draws to drawLine, so that is the only drawing supplied here; it
// draws at once with whatever program and matrices are current.
//
// All drawers share one vertex buffer and one vertex array, replaced by
// every line: the objects of the last line drawn stay alive until the next.
class BulletDebugDrawer_OpenGL : public btIDebugDraw {
public:
    // Wireframe together with bounding boxes, whatever mode was set.
    static constexpr int drawnMode = DBG_DrawWireframe | DBG_DrawAabb;
    static constexpr uint32_t floatsPerVertex = Engine::GFX::ColouredLines::floatsPerVertex;
    static constexpr uint32_t floatsPerLine = 2 * floatsPerVertex;

    explicit BulletDebugDrawer_OpenGL(int debugMode = DBG_NoDebug);

    void drawLine(const btVector3& from, const btVector3& to, const btVector3& color) override;
    void drawContactPoint(const btVector3& pointOnB, const btVector3& normalOnB, btScalar distance, int lifeTime,
                          const btVector3& color) override;
    // Warnings from the physics library are discarded.
    void reportErrorWarning(const char* warningString) override;
    void draw3dText(const btVector3& location, const char* textString) override;
    void setDebugMode(int mode) override;
    int getDebugMode() const override;

    // The shared GL names (0 before the first line).
    static uint32_t sharedVertexBuffer() { return shared ? shared->vertexBuffer : 0; }
    static uint32_t sharedVertexArray() { return shared ? shared->vertexArray : 0; }

    // Position then colour for each end: 24 bytes per vertex.
    static std::array<float, floatsPerLine> lineVertices(const btVector3& from, const btVector3& to,
                                                         const btVector3& color);

private:
    int debugMode;

    // Never freed: the objects of the last line stay alive until the next
    // line, and a static destructor would run after the GL context is gone.
    static Engine::GFX::ColouredLines* shared;
};

} // namespace DebugDraw
