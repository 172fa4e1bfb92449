#version 330 core

// Scene colour (unit 0) darkened by the outline factor (unit 1). Both
// targets match the window, so the fragment coordinate addresses them.

uniform sampler2D uSceneColor;
uniform sampler2D uEdgeFactor;

out vec4 outColor;

void main()
{
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    vec3 color = texelFetch(uSceneColor, pixel, 0).rgb;
    float edge = texelFetch(uEdgeFactor, pixel, 0).r;
    outColor = vec4(color * edge, 1.0);
}
