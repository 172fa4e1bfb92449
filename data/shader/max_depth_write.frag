#version 330 core

// Pushes the depth of every covered pixel to the far plane, so later draws
// pass the depth test there (an area-limited depth clear). Colour writes are
// normally masked by the caller; the outputs are defined all the same.

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float farDepth = 1.0;
// Outline background: no normal, infinitely far (see skybox.frag).
const vec4 background = vec4(0.5, 0.5, 0.5, 1.0);

void main()
{
    outColor = vec4(0.0);
    outEdgeData = background;
    gl_FragDepth = farDepth;
}
