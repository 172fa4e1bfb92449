#version 330 core

// Static scene meshes in the standard layout. Lighting is worked out per
// vertex: the scene is made of flat-shaded boxes and low-poly shapes whose
// normals do not vary across a face, and the fragment stages stay cheap.

in vec3 aPosition;
in vec3 aNormal;
in vec4 aColor;
in vec2 aTexCoord;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;
uniform mat4 uModelMatrix;

out vec3 vLight;
out vec3 vEdgeNormal;
out vec3 vViewPosition;
out vec4 vColor;
out vec2 vTexCoord;

// World space, +Z up: a warm sun high in the sky and an ambient term that
// shades from ground bounce below to sky light above.
const vec3 sunDirection = vec3(0.37, 0.52, 0.77);
const vec3 sunColor = vec3(0.72, 0.68, 0.60);
const vec3 skyAmbient = vec3(0.56, 0.60, 0.68);
const vec3 groundAmbient = vec3(0.38, 0.36, 0.34);

vec3 sceneLight(vec3 worldNormal)
{
    vec3 ambient = mix(groundAmbient, skyAmbient, worldNormal.z * 0.5 + 0.5);
    return ambient + sunColor * max(dot(worldNormal, normalize(sunDirection)), 0.0);
}

void main()
{
    // Inverse transposes keep normals perpendicular under non-uniform scale.
    vec3 worldNormal = normalize(transpose(inverse(mat3(uModelMatrix))) * aNormal);
    vec3 viewNormal = normalize(transpose(inverse(mat3(uModelViewMatrix))) * aNormal);
    vec4 viewPosition = uModelViewMatrix * vec4(aPosition, 1.0);

    vLight = sceneLight(worldNormal);
    vEdgeNormal = viewNormal * 0.5 + 0.5;
    vViewPosition = viewPosition.xyz;
    vColor = aColor;
    vTexCoord = aTexCoord;
    gl_Position = uProjectionMatrix * viewPosition;
}
