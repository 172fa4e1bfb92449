#version 330 core

// The level's blocks: the hexagon pattern (unit 0) under a large, soft
// checker taken from the default texture (unit 1), which marks out two-metre
// squares on big faces so their size and distance read at a glance. Target 1
// carries the outline data (see lit_textured.frag).

in vec3 vLight;
in vec3 vEdgeNormal;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uPatternTexture;
uniform sampler2D uCheckerTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float depthScale = 10.0;
// The checker texture spans this many metres of block surface.
const float checkerSpan = 8.0;
// Its mip level of about this many texels across: soft enough to need no
// further filtering at any distance the level is seen from.
const float checkerTexels = 16.0;
// How strongly its light and dark squares depart from its mean brightness.
const float checkerContrast = 2.5;
const vec3 luminanceWeights = vec3(0.299, 0.587, 0.114);

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

// Whole repeats added first keep the operands of % non-negative, where it is
// defined.
const int wrapRepeats = 4096;

ivec2 wrapped(ivec2 texel, ivec2 size)
{
    return (texel + size * wrapRepeats) % size;
}

// The checker is read by hand, bilinearly, at one mip level for the whole
// draw: its texture is set up with anisotropic filtering, which a software
// renderer runs as a many-tap loop on every pixel, and a level that is the
// same for every pixel is the one texel fetches handle correctly there.
float checkerBrightness(vec2 coord)
{
    ivec2 baseSize = textureSize(uCheckerTexture, 0);
    int lastLevel = int(log2(float(max(baseSize.x, baseSize.y))));
    int level = clamp(int(log2(float(baseSize.x) / checkerTexels)), 0, lastLevel);
    ivec2 size = textureSize(uCheckerTexture, level);

    vec2 position = coord * vec2(size) - 0.5;
    vec2 lowerLeft = floor(position);
    vec2 weight = position - lowerLeft;
    ivec2 low = wrapped(ivec2(lowerLeft), size);
    ivec2 high = wrapped(ivec2(lowerLeft) + 1, size);
    vec4 bottom = mix(texelFetch(uCheckerTexture, low, level),
                      texelFetch(uCheckerTexture, ivec2(high.x, low.y), level), weight.x);
    vec4 top = mix(texelFetch(uCheckerTexture, ivec2(low.x, high.y), level),
                   texelFetch(uCheckerTexture, high, level), weight.x);
    float local = dot(mix(bottom, top, weight.y).rgb, luminanceWeights);
    float mean = dot(texelFetch(uCheckerTexture, ivec2(0), lastLevel).rgb, luminanceWeights);
    return 1.0 + (local - mean) * checkerContrast;
}

void main()
{
    vec3 pattern = texture(uPatternTexture, vTexCoord).rgb;
    vec3 albedo = pattern * vColor.rgb * checkerBrightness(vTexCoord / checkerSpan);
    outColor = vec4(albedo * vLight, 1.0);
    outEdgeData = edgeData();
}
