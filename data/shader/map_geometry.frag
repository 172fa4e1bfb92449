#version 330 core

// The level's blocks: the hexagon pattern (unit 0) under a large, soft
// checker of two-metre squares, which marks out big faces so their size and
// distance read at a glance. The checker is worked out from the surface
// coordinates rather than read from a texture: a software renderer pays for
// every texture read on every pixel, and the level fills much of the screen.
// Target 1 carries the outline data (see lit_textured.frag).

in vec3 vLight;
in vec3 vEdgeNormal;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uPatternTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float depthScale = 10.0;
const float pi = 3.14159265;
// Texture coordinates are metres of block surface.
const float checkerSquare = 2.0;
// How far the light and dark squares depart from the mean brightness.
const float checkerContrast = 0.08;
// Where one pixel spans this many squares the checker has faded out, before
// it could flicker.
const float checkerFadeFootprint = 0.5;
// A finish block's colour has alpha 0: it is drawn as a hard black and white
// check of half-metre squares instead.
const float finishSquare = 0.5;
const vec3 finishDark = vec3(0.08);

vec4 edgeData()
{
    float depth = -vViewPosition.z;
    return vec4(vEdgeNormal, depth / (depth + depthScale));
}

float checkerBrightness(vec2 coord)
{
    vec2 squares = coord / checkerSquare;
    vec2 footprint = fwidth(squares);
    float fade = clamp(1.0 - max(footprint.x, footprint.y) / checkerFadeFootprint, 0.0, 1.0);
    vec2 wave = sin(squares * pi);
    return 1.0 + checkerContrast * fade * wave.x * wave.y;
}

void main()
{
    vec3 pattern = texture(uPatternTexture, vTexCoord).rgb;
    vec3 albedo = pattern * vColor.rgb * checkerBrightness(vTexCoord);
    if (vColor.a < 0.5) {
        vec2 square = floor(vTexCoord / finishSquare);
        albedo = mod(square.x + square.y, 2.0) < 1.0 ? finishDark : vec3(1.0);
    }
    outColor = vec4(albedo * vLight, 1.0);
    outEdgeData = edgeData();
}
