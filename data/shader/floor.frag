#version 330 core

// The grid floor, drawn with blending: its alpha fades out with the distance
// from the eye, and is gone before the floor's own edge comes into view from
// anywhere inside the level, so the floor melts into the sky.

in vec3 vLight;
in vec3 vViewPosition;
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uGridTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outEdgeData;

const float fadeStart = 20.0;
const float fadeEnd = 50.0;
// The floor is backdrop for the outlines, like the sky: blocks get
// silhouettes against it, and its alpha of one makes the blend replace the
// outline data of whatever it hides below ground.
const vec4 background = vec4(0.5, 0.5, 0.5, 1.0);

void main()
{
    vec4 grid = texture(uGridTexture, vTexCoord) * vColor;
    float fade = 1.0 - smoothstep(fadeStart, fadeEnd, length(vViewPosition));
    outColor = vec4(grid.rgb * vLight, grid.a * fade);
    outEdgeData = background;
}
