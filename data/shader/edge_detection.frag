#version 330 core

// Outlines from the scene's target 1 (normal in RGB, packed depth in alpha),
// read through a nearest, clamped sampler. Five reads: the pixel and its four
// neighbours. A pixel is on an edge where the normal turns or where the depth
// bends; comparing the depth's second difference instead of the plain
// difference keeps slanted faces, whose depth changes steadily, free of
// lines. The result is the factor the composite multiplies the colour by.

uniform sampler2D uEdgeData;
uniform vec2 uPixelSize;

out vec4 outEdge;

const float normalEdgeLow = 0.02;
const float normalEdgeHigh = 0.06;
const float depthEdgeLow = 0.012;
const float depthEdgeHigh = 0.03;
const float outlineDarkness = 0.85;

float normalJump(vec3 centre, vec3 neighbour)
{
    vec3 difference = centre - neighbour;
    return dot(difference, difference);
}

void main()
{
    vec2 uv = gl_FragCoord.xy * uPixelSize;
    vec2 stepX = vec2(uPixelSize.x, 0.0);
    vec2 stepY = vec2(0.0, uPixelSize.y);
    vec4 centre = texture(uEdgeData, uv);
    vec4 left = texture(uEdgeData, uv - stepX);
    vec4 right = texture(uEdgeData, uv + stepX);
    vec4 below = texture(uEdgeData, uv - stepY);
    vec4 above = texture(uEdgeData, uv + stepY);

    float normalEdge = max(max(normalJump(centre.rgb, left.rgb), normalJump(centre.rgb, right.rgb)),
                           max(normalJump(centre.rgb, below.rgb), normalJump(centre.rgb, above.rgb)));
    float depthEdge = abs(left.a + right.a - 2.0 * centre.a) + abs(below.a + above.a - 2.0 * centre.a);

    float edge = max(smoothstep(normalEdgeLow, normalEdgeHigh, normalEdge),
                     smoothstep(depthEdgeLow, depthEdgeHigh, depthEdge));
    outEdge = vec4(vec3(1.0 - outlineDarkness * edge), 1.0);
}
