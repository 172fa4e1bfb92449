#version 330 core

// Scene colour (unit 0) darkened by the outline factor (unit 1). Both
// targets match the window, so the fragment coordinate addresses them.

uniform sampler2D uSceneColor;
uniform sampler2D uEdgeFactor;

out vec4 outColor;

void main()
{
    vec2 uv = gl_FragCoord.xy / vec2(textureSize(uSceneColor, 0));
    vec3 color = texture(uSceneColor, uv).rgb;
    float edge = texture(uEdgeFactor, uv).r;
    outColor = vec4(color * edge, 1.0);
}
