#include "Game/Resources/ResourceCameras.h"

#include <glm/gtc/matrix_transform.hpp>

namespace Game {

namespace {

constexpr float defaultFov = 110.0f;
constexpr float defaultNear = 0.01f;
constexpr float defaultFar = 2000.0f;
const glm::vec3 defaultEye(4.0f, 4.0f, 4.0f);

constexpr float secondFov = 45.0f;
constexpr float secondNear = 0.1f;
constexpr float secondFar = 200.0f;
const glm::vec3 secondCenter(0.0f, 1.0f, 0.0f);

constexpr float uiNear = -10.0f;
constexpr float uiFar = 10.0f;

const glm::vec3 origin(0.0f);
const glm::vec3 worldUp(0.0f, 0.0f, 1.0f);

void lookAt(Camera& camera, const glm::vec3& eye, const glm::vec3& center, const glm::vec3& up)
{
    camera.view = glm::lookAt(eye, center, up);
    camera.position = eye;
    camera.center = center;
    camera.up = up;
}

} // namespace

Camera makeDefaultCamera(float width, float height)
{
    Camera camera;
    camera.setPerspective(defaultFov, width, height, defaultNear, defaultFar);
    lookAt(camera, defaultEye, origin, worldUp);
    return camera;
}

Camera makeUiCamera(float width, float height)
{
    Camera camera;
    camera.setOrthographic(0.0f, width, 0.0f, height, uiNear, uiFar);
    camera.setDefaultView();
    return camera;
}

Camera makeSecondCamera(float width, float height)
{
    Camera camera;
    camera.setPerspective(secondFov, width, height, secondNear, secondFar);
    lookAt(camera, origin, secondCenter, worldUp);
    return camera;
}

} // namespace Game
