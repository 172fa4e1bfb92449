#pragma once

#include <glm/glm.hpp>

// A view and a projection with the parameters they were built from. A plain
// value: copying it with = copies every field as it is; the copy that turns
// the look-at point into a viewing direction is the explicit directionCopy().
struct Camera {
    glm::mat4 view = glm::mat4(1.0f);
    glm::mat4 projection = glm::mat4(1.0f);
    float width = 0.0f;
    float height = 0.0f;
    float near = 0.0f;
    float far = 0.0f;
    // Vertical field of view in degrees.
    float fov = 0.0f;
    glm::vec3 position = glm::vec3(0.0f);
    // The point looked at; in a directionCopy() the unit viewing direction.
    glm::vec3 center = glm::vec3(0.0f);
    glm::vec3 up = glm::vec3(0.0f);

    // Looks from (0,0,1) at the origin with +Y up. Projection, sizes and clip
    // distances are left as they are.
    void setDefaultView();

    // Perspective projection; stores all five arguments. Width, height and fov
    // must be positive.
    void setPerspective(float fovDegrees, float width, float height, float near, float far);

    // Orthographic projection; stores nothing else.
    void setOrthographic(float left, float right, float bottom, float top, float near, float far);

    // A copy of the source whose center holds normalize(source.center −
    // source.position), the direction the source looks in. A camera whose eye
    // sits on its look-at point has no direction: the copy's center is zero.
    static Camera directionCopy(const Camera& source);
};
