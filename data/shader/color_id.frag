#version 330 core

// Face picking: each face of the level writes its colour id exactly, so a
// pixel read back names the face under it. No lighting touches the value.

flat in vec3 vColorId;

out vec4 outColorId;

void main()
{
    outColorId = vec4(vColorId, 1.0);
}
