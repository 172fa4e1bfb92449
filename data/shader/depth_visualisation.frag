#version 330 core

// Debug view of the scene's outline data (unit 0, the scene's target 1):
// packed depth as grey, near surfaces bright, the sky black.

uniform sampler2D uEdgeData;

out vec4 outColor;

void main()
{
    vec2 uv = gl_FragCoord.xy / vec2(textureSize(uEdgeData, 0));
    float nearness = 1.0 - texture(uEdgeData, uv).a;
    outColor = vec4(vec3(nearness), 1.0);
}
