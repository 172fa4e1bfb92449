#version 330 core

// Outlines from the scene's target 1 (normal in RGB, packed depth in alpha):
// five texel reads, the pixel and its four neighbours, clamped to the edges.
// Plain fetches skip the sampler's filtering work, which a software
// renderer pays for on every read. The result is the factor the composite
// multiplies the colour by. The frame works the outline out inside its
// composite (outline_composite.frag); this pass and final_composit.frag stay
// as the two-pass form that composite is checked against.
//
// Where the depth bends (a silhouette), the line goes on the farther side
// only, so thin things in front (the rope, the gizmo's handles) keep their
// colour and get a dark rim from what lies behind them. Comparing the
// depth's second difference instead of the plain difference keeps slanted
// faces, whose depth changes steadily, free of lines. Where the normal turns
// at about equal depth (a crease), both sides darken.

uniform sampler2D uEdgeData;
// The size of one pixel of the target, in texture coordinates.
uniform vec2 uPixelSize;

out vec4 outEdge;

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

vec4 neighbour(ivec2 pixel, ivec2 offset)
{
    ivec2 last = ivec2(1.0 / uPixelSize + 0.5) - 1;
    return texelFetch(uEdgeData, clamp(pixel + offset, ivec2(0), last), 0);
}

void main()
{
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    vec4 centre = texelFetch(uEdgeData, pixel, 0);
    vec4 left = neighbour(pixel, ivec2(-1, 0));
    vec4 right = neighbour(pixel, ivec2(1, 0));
    vec4 below = neighbour(pixel, ivec2(0, -1));
    vec4 above = neighbour(pixel, ivec2(0, 1));

    float normalEdge = max(max(normalJump(centre, left), normalJump(centre, right)),
                           max(normalJump(centre, below), normalJump(centre, above)));
    float depthEdge = depthBend(centre.a, left.a, right.a) + depthBend(centre.a, below.a, above.a);

    float edge = max(smoothstep(normalEdgeLow, normalEdgeHigh, normalEdge),
                     smoothstep(depthEdgeLow, depthEdgeHigh, depthEdge));
    outEdge = vec4(vec3(1.0 - outlineDarkness * edge), 1.0);
}
