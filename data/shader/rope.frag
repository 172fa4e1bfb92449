#version 330 core

// The grappling rope, drawn twice by its render system. The first draw
// blends this translucent colour into target 0 with target 1 masked off. The
// second writes only the alpha of target 1, and with zero blend factors it
// writes 0: the packed depth of the eye itself. The outline therefore sees
// the rope in front of everything around it: the rope keeps its colour and
// what lies behind it gets a dark rim along both sides.

in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float ropeOpacity = 0.85;
// Unlit: the render system draws the rope's back faces, whose normals face away.
const float ropeBrightness = 0.9;

void main()
{
    vec3 albedo = texture(uTexture, vTexCoord).rgb * vColor.rgb;
    outColor = vec4(albedo * ropeBrightness, ropeOpacity);
    outEdgeData = vec4(0.0);
}
