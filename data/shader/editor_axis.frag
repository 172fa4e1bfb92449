#version 330 core

// The axis gizmo: flat uColor, no lighting. Target 1 carries the outline
// data (see lit_textured.frag), so the outlines give the handles their shape.

in vec3 vEdgeNormal;
in vec3 vViewPosition;

uniform vec4 uColor;

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
    outColor = uColor;
    outEdgeData = edgeData();
}
