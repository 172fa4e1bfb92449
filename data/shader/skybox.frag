#version 330 core

// The sky box: its texture unlit. Its outline data is the background value:
// no normal (0.5 grey packs the zero vector) and infinitely far, so every
// surface drawn over the sky gets a silhouette.

in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;
// Set by the sky pass; the sky takes its colours from the texture alone.
uniform vec3 uColor;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const vec4 background = vec4(0.5, 0.5, 0.5, 1.0);

void main()
{
    outColor = vec4(texture(uTexture, vTexCoord).rgb * vColor.rgb, 1.0);
    outEdgeData = background;
}
