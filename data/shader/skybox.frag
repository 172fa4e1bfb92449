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

// Bilinear read of the base level, by hand. The sky texture is set up with
// anisotropic filtering, which a software renderer runs as a many-tap loop
// on every pixel although the sky, magnified everywhere, gains nothing from
// it; four plain fetches give the same picture for a quarter of the cost.
vec4 skyTexel(vec2 coord)
{
    ivec2 size = textureSize(uTexture, 0);
    vec2 position = coord * vec2(size) - 0.5;
    vec2 lowerLeft = floor(position);
    vec2 weight = position - lowerLeft;
    ivec2 last = size - 1;
    ivec2 low = clamp(ivec2(lowerLeft), ivec2(0), last);
    ivec2 high = clamp(ivec2(lowerLeft) + 1, ivec2(0), last);
    vec4 bottom = mix(texelFetch(uTexture, low, 0), texelFetch(uTexture, ivec2(high.x, low.y), 0), weight.x);
    vec4 top = mix(texelFetch(uTexture, ivec2(low.x, high.y), 0), texelFetch(uTexture, high, 0), weight.x);
    return mix(bottom, top, weight.y);
}

void main()
{
    outColor = vec4(skyTexel(vTexCoord).rgb * vColor.rgb, 1.0);
    outEdgeData = background;
}
