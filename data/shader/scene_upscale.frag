#version 330 core

// The outlined scene, drawn smaller than the window, stretched over the
// whole window: one read per pixel, filtered linearly by the bound sampler.
// A plain read at interpolated texture coordinates, which a software
// renderer can run on its fast path for textured quads.

in vec2 vTexCoord;

uniform sampler2D uScaledScene;

out vec4 outColor;

void main()
{
    outColor = texture(uScaledScene, vTexCoord);
}
