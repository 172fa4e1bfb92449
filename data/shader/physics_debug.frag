#version 330 core

// Lines in their own colour, unlit: the physics debug drawing and the
// frame-time graph.

in vec3 vColor;

out vec4 outColor;

void main()
{
    outColor = vec4(vColor, 1.0);
}
