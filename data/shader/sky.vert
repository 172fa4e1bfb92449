#version 330 core

// The sky box, a cube around the eye. Its depth is put on the far plane, so
// that the sky can be drawn after the opaque scene and only the pixels left
// uncovered pay for its texture reads.

// Attributes take their locations in declaration order, so the whole
// standard layout is declared even where a field goes unused.
in vec3 aPosition;
in vec3 aNormal;
in vec4 aColor;
in vec2 aTexCoord;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;

out vec4 vColor;
out vec2 vTexCoord;

void main()
{
    vColor = aColor;
    vTexCoord = aTexCoord;
    vec4 clipPosition = uProjectionMatrix * uModelViewMatrix * vec4(aPosition, 1.0);
    gl_Position = clipPosition.xyww;
}
