#version 330 core

// Selection overlay, drawn blended and without depth test over the whole
// scene: a translucent orange fill with an opaque rim of constant pixel
// width along the faces' borders, so a selected block shows through walls.

in vec3 vLight;
in vec2 vTexCoord;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const vec3 highlightColor = vec3(1.0, 0.62, 0.12);
const float fillOpacity = 0.3;
const float rimOpacity = 0.9;
const float rimPixels = 1.5;
const vec2 smallestStep = vec2(1.0e-6);

float rimWeight()
{
    // Texture coordinates run 0..1 over each face of the box, so the distance
    // to the nearest whole number is the distance to the face's border.
    vec2 cell = fract(vTexCoord);
    vec2 border = min(cell, 1.0 - cell) / max(fwidth(vTexCoord), smallestStep);
    return 1.0 - smoothstep(rimPixels, rimPixels + 1.0, min(border.x, border.y));
}

void main()
{
    float rim = rimWeight();
    vec3 fill = highlightColor * min(vLight, vec3(1.0));
    outColor = vec4(mix(fill, highlightColor, rim), mix(fillOpacity, rimOpacity, rim));
    // Zero alpha: the blend keeps the outline data of the surfaces below.
    outEdgeData = vec4(0.0);
}
