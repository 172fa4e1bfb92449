#version 330 core

// The level's blocks: the hexagon pattern (unit 0), broken up at a larger
// scale by the default texture (unit 1) so the one-metre tiling does not
// read as wallpaper. Target 1 carries the outline data (see lit_textured.frag).

in vec3 vLight;
in vec3 vEdgeNormal;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uPatternTexture;
uniform sampler2D uDetailTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float depthScale = 10.0;
const float detailScale = 0.125;
const float detailStrength = 0.12;
const vec3 luminanceWeights = vec3(0.299, 0.587, 0.114);

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

void main()
{
    vec3 pattern = texture(uPatternTexture, vTexCoord).rgb;
    float detail = dot(texture(uDetailTexture, vTexCoord * detailScale).rgb, luminanceWeights);
    vec3 albedo = pattern * vColor.rgb * mix(1.0, detail, detailStrength);
    outColor = vec4(albedo * vLight, 1.0);
    outEdgeData = edgeData();
}
