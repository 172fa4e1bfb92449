#version 330 core

// Gizmo picking: the handle's id in uColor, written exactly; the read-back
// takes the red byte as the axis id.

uniform vec4 uColor;

out vec4 outColorId;

void main()
{
    outColorId = uColor;
}
