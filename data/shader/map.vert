#version 330 core

// The merged level model (map layout: the standard layout plus a colour id
// per face). Lit like the rest of the scene, with a small brightness offset
// per face taken from its unique colour id, so that neighbouring faces of
// equal orientation stay apart.

in vec3 aPosition;
in vec3 aNormal;
in vec4 aColor;
in vec2 aTexCoord;
in vec3 aColorId;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;
uniform mat4 uModelMatrix;

out vec3 vLight;
out vec3 vEdgeNormal;
out vec3 vViewPosition;
out vec4 vColor;
out vec2 vTexCoord;
flat out vec3 vColorId;

const vec3 sunDirection = vec3(0.37, 0.52, 0.77);
const vec3 sunColor = vec3(0.72, 0.68, 0.60);
const vec3 skyAmbient = vec3(0.56, 0.60, 0.68);
const vec3 groundAmbient = vec3(0.38, 0.36, 0.34);
const float darkestFace = 0.92;
const float brightestFace = 1.04;

vec3 sceneLight(vec3 worldNormal)
{
    vec3 ambient = mix(groundAmbient, skyAmbient, worldNormal.z * 0.5 + 0.5);
    return ambient + sunColor * max(dot(worldNormal, normalize(sunDirection)), 0.0);
}

float faceShade(vec3 colorId)
{
    float hash = fract(sin(dot(colorId * 255.0, vec3(12.9898, 78.233, 45.164))) * 43758.5453);
    return mix(darkestFace, brightestFace, hash);
}

void main()
{
    vec3 worldNormal = normalize(transpose(inverse(mat3(uModelMatrix))) * aNormal);
    vec3 viewNormal = normalize(transpose(inverse(mat3(uModelViewMatrix))) * aNormal);
    vec4 viewPosition = uModelViewMatrix * vec4(aPosition, 1.0);

    vLight = sceneLight(worldNormal) * faceShade(aColorId);
    vEdgeNormal = viewNormal * 0.5 + 0.5;
    vViewPosition = viewPosition.xyz;
    vColor = aColor;
    vTexCoord = aTexCoord;
    vColorId = aColorId;
    gl_Position = uProjectionMatrix * viewPosition;
}
