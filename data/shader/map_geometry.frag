#version 330 core

// The level's blocks: the hexagon pattern (unit 0) under a large, soft
// checker taken from the default texture (unit 1), which marks out two-metre
// squares on big faces so their size and distance read at a glance. Target 1
// carries the outline data (see lit_textured.frag).
//
// Both textures are read by hand with texel fetches. They are set up with
// anisotropic filtering, which this software renderer runs as a many-tap
// loop on every pixel, tripling the cost of the level's pixels; block faces
// are mostly seen at moderate angles, where trilinear filtering looks the
// same. (The floor, always seen at grazing angles, keeps its filtered read.)

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
// Whole repeats added first keep the operands of % non-negative, where it is
// defined.
const int wrapRepeats = 4096;

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

int lastLevel(ivec2 baseSize)
{
    return int(log2(float(max(baseSize.x, baseSize.y))));
}

// Level sizes are worked out from the base size: textureSize with a level
// that differs between neighbouring pixels answers wrongly on this renderer.
ivec2 levelSize(ivec2 baseSize, int level)
{
    return max(baseSize >> level, ivec2(1));
}

ivec2 wrapped(ivec2 texel, ivec2 size)
{
    return (texel + size * wrapRepeats) % size;
}

// One mip level, bilinear, repeating like the texture.
vec4 bilinear(sampler2D image, vec2 coord, int level)
{
    ivec2 size = levelSize(textureSize(image, 0), level);
    vec2 position = coord * vec2(size) - 0.5;
    vec2 lowerLeft = floor(position);
    vec2 weight = position - lowerLeft;
    ivec2 low = wrapped(ivec2(lowerLeft), size);
    ivec2 high = wrapped(ivec2(lowerLeft) + 1, size);
    vec4 bottom = mix(texelFetch(image, low, level), texelFetch(image, ivec2(high.x, low.y), level), weight.x);
    vec4 top = mix(texelFetch(image, ivec2(low.x, high.y), level), texelFetch(image, high, level), weight.x);
    return mix(bottom, top, weight.y);
}

// Between the two mip levels the pixel's footprint falls between.
vec4 trilinear(sampler2D image, vec2 coord)
{
    ivec2 baseSize = textureSize(image, 0);
    vec2 texels = coord * vec2(baseSize);
    vec2 alongX = dFdx(texels);
    vec2 alongY = dFdy(texels);
    float footprint = 0.5 * log2(max(dot(alongX, alongX), dot(alongY, alongY)));
    float level = clamp(footprint, 0.0, float(lastLevel(baseSize)));
    int finer = int(level);
    int coarser = min(finer + 1, lastLevel(baseSize));
    return mix(bilinear(image, coord, finer), bilinear(image, coord, coarser), fract(level));
}

float checkerBrightness(vec2 coord)
{
    ivec2 baseSize = textureSize(uCheckerTexture, 0);
    int level = clamp(int(log2(float(baseSize.x) / checkerTexels)), 0, lastLevel(baseSize));
    float local = dot(bilinear(uCheckerTexture, coord, level).rgb, luminanceWeights);
    float mean = dot(texelFetch(uCheckerTexture, ivec2(0), lastLevel(baseSize)).rgb, luminanceWeights);
    return 1.0 + (local - mean) * checkerContrast;
}

void main()
{
    vec3 pattern = trilinear(uPatternTexture, vTexCoord).rgb;
    vec3 albedo = pattern * vColor.rgb * checkerBrightness(vTexCoord / checkerSpan);
    outColor = vec4(albedo * vLight, 1.0);
    outEdgeData = edgeData();
}
