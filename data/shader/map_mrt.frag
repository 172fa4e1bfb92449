#version 330 core

// The level's blocks for a two-target pass that picks by face: target 0 the
// lit pattern colour, target 1 the face's colour id, written unchanged.

in vec3 vLight;
in vec4 vColor;
in vec2 vTexCoord;
flat in vec3 vColorId;

uniform sampler2D uPatternTexture;

layout(location = 0) out vec4 outColor;
layout(location = 1) out vec4 outColorId;

void main()
{
    vec3 pattern = texture(uPatternTexture, vTexCoord).rgb;
    outColor = vec4(pattern * vColor.rgb * vLight, 1.0);
    outColorId = vec4(vColorId, 1.0);
}
