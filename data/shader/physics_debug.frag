#version 330 core

// Physics debug lines in their own colour, unlit, into one colour target.

in vec3 vColor;

out vec4 outColor;

void main()
{
    outColor = vec4(vColor, 1.0);
}
