#version 330 core

// The scene's colour (unit 0) darkened by its outlines, worked out here from
// the scene's target 1 (unit 1: normal in RGB, packed depth in alpha), in
// one full-screen pass. The outline is the edge pass's: the pixel and its
// four neighbours, the same kernel, the same thresholds.
//
// Where the depth bends (a silhouette), the line goes on the farther side
// only, so thin things in front (the rope, the gizmo's handles) keep their
// colour and get a dark rim from what lies behind them. Comparing the
// depth's second difference instead of the plain difference keeps slanted
// faces, whose depth changes steadily, free of lines. Where the normal turns
// at about equal depth (a crease), both sides darken.
//
// The taps are plain texel fetches at the fragment's pixel (a software
// renderer pays for filtering on every read), so the pass draws at the
// scene's size: onto the window when the two match, otherwise into a target
// of the scene's size that is then scaled up to the window.

uniform sampler2D uSceneColor;
uniform sampler2D uEdgeData;

out vec4 outColor;

const float normalEdgeLow = 0.02;
const float normalEdgeHigh = 0.06;
const float depthEdgeLow = 0.012;
const float depthEdgeHigh = 0.03;
// Packed-depth difference up to which a neighbour counts as level with the pixel.
const float creaseDepthTolerance = 0.01;
const float outlineDarkness = 0.85;

// Squared normal difference to a neighbour that is not behind the pixel: a
// neighbour farther away puts the line on its own side instead.
float normalJump(vec4 centre, vec4 neighbour)
{
    vec3 difference = centre.rgb - neighbour.rgb;
    float counts = step(neighbour.a, centre.a + creaseDepthTolerance);
    return dot(difference, difference) * counts;
}

// How far the pixel lies behind the mean of two opposite neighbours.
float depthBend(float centre, float first, float second)
{
    return max(2.0 * centre - first - second, 0.0);
}

// The factor the colour is multiplied by: 1 away from outlines.
float outlineFactor(vec4 centre, vec4 left, vec4 right, vec4 below, vec4 above)
{
    float normalEdge = max(max(normalJump(centre, left), normalJump(centre, right)),
                           max(normalJump(centre, below), normalJump(centre, above)));
    float depthEdge = depthBend(centre.a, left.a, right.a) + depthBend(centre.a, below.a, above.a);
    float edge = max(smoothstep(normalEdgeLow, normalEdgeHigh, normalEdge),
                     smoothstep(depthEdgeLow, depthEdgeHigh, depthEdge));
    return 1.0 - outlineDarkness * edge;
}

vec4 fetchClamped(ivec2 pixel)
{
    return texelFetch(uEdgeData, clamp(pixel, ivec2(0), textureSize(uEdgeData, 0) - 1), 0);
}

void main()
{
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    float factor = outlineFactor(texelFetch(uEdgeData, pixel, 0), fetchClamped(pixel + ivec2(-1, 0)),
                                 fetchClamped(pixel + ivec2(1, 0)), fetchClamped(pixel + ivec2(0, -1)),
                                 fetchClamped(pixel + ivec2(0, 1)));
    outColor = vec4(texelFetch(uSceneColor, pixel, 0).rgb * factor, 1.0);
}
