#version 330 core

// Interface backgrounds: the element's texture tinted by uBackgroundColor,
// put out premultiplied like the rest of the interface.

in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform vec4 uBackgroundColor;

out vec4 outColor;

void main()
{
    vec4 color = texture(uTexture, vTexCoord) * uBackgroundColor * vColor;
    outColor = vec4(color.rgb * color.a, color.a);
}
