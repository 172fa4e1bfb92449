#version 330 core

// Opaque textured scene surfaces. Target 0 takes the lit colour, target 1
// the outline data the composite reads: the view-space normal in RGB and the
// view depth in alpha, packed as depth / (depth + depthScale) so that the
// near range the level fills keeps most of the 8-bit precision (0 is the
// eye, 1 infinitely far).

in vec3 vLight;
in vec3 vEdgeNormal;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;
// 1 for the race's ghost, whose surface is washed towards a pale blue; 0 (a
// uniform's start value) for everything else.
uniform float uGhost;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float depthScale = 10.0;
const vec3 ghostColour = vec3(0.55, 0.8, 1.0);
const float ghostWash = 0.65;

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

void main()
{
    vec4 albedo = texture(uTexture, vTexCoord) * vColor;
    albedo.rgb = mix(albedo.rgb, ghostColour, ghostWash * uGhost);
    outColor = vec4(albedo.rgb * vLight, 1.0);
    outEdgeData = edgeData();
}
