#version 330 core

// The outlined scene, drawn smaller than the window, stretched over the
// whole window: one read per pixel, filtered linearly by the bound sampler.

uniform sampler2D uScaledScene;
// The size of one window pixel, in texture coordinates.
uniform vec2 uWindowPixelSize;

out vec4 outColor;

void main()
{
    outColor = vec4(texture(uScaledScene, gl_FragCoord.xy * uWindowPixelSize).rgb, 1.0);
}
