#version 330 core

// Textured 2D drawing blended with (ONE, ONE_MINUS_SRC_ALPHA): the texture
// (straight alpha) times the vertex colour, put out premultiplied. Font pages
// hold white glyphs with their coverage in alpha, which comes out as white
// scaled by coverage.

in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;

out vec4 outColor;

void main()
{
    vec4 color = texture(uTexture, vTexCoord) * vColor;
    outColor = vec4(color.rgb * color.a, color.a);
}
