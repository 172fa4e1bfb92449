#include "Game/Scene/CameraComponent.h"

CameraComponent::CameraComponent(const Camera& given)
    : camera(Camera::directionCopy(given)),
      previousCamera(Camera::directionCopy(camera)),
      initialCamera(Camera::directionCopy(camera))
{
}
