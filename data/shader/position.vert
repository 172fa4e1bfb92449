#version 330 core

// Position only: full-screen passes (which address their textures by
// fragment coordinate, whatever texture coordinates the quad carries) and
// depth-only drawing.

in vec3 aPosition;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;

void main()
{
    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPosition, 1.0);
}
