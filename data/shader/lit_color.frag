#version 330 core

// Opaque untextured scene surfaces: vertex colour under the scene light.
// Target 1 carries the outline data (see lit_textured.frag).

in vec3 vLight;
in vec3 vEdgeNormal;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float depthScale = 10.0;

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

void main()
{
    outColor = vec4(vColor.rgb * vLight, 1.0);
    outEdgeData = edgeData();
}
