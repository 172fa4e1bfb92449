#version 330 core

// Picking shapes of the axis gizmo (standard layout), pushed outwards along
// their normals by uBorderScale world units so that the pick target is a
// little easier to hit than the visible handle.

in vec3 aPosition;
in vec3 aNormal;
in vec4 aColor;
in vec2 aTexCoord;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;
uniform mat3 uNormalMatrix;
uniform float uBorderScale;

void main()
{
    vec3 worldNormal = uNormalMatrix * aNormal;
    float normalLength = length(worldNormal);
    worldNormal = normalLength > 0.0 ? worldNormal / normalLength : vec3(0.0);
    // uNormalMatrix is the inverse transpose of the model's 3x3 part, so its
    // transpose takes a world-space offset back into model space.
    vec3 modelOffset = transpose(uNormalMatrix) * (worldNormal * uBorderScale);
    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPosition + modelOffset, 1.0);
}
