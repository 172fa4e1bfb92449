#version 330 core

// Skinned meshes (skinned layout): each vertex follows up to four bones of the
// palette the animation uploads to uBones, then is lit like the static scene.

in vec3 aPosition;
in vec3 aNormal;
in vec2 aTexCoord;
in uvec4 aBoneIds;
in vec4 aBoneWeights;

const int boneCapacity = 64;

uniform mat4 uModelViewMatrix;
uniform mat4 uProjectionMatrix;
uniform mat4 uModelMatrix;
uniform mat4 uBones[boneCapacity];

out vec3 vLight;
out vec3 vEdgeNormal;
out vec3 vViewPosition;
out vec4 vColor;
out vec2 vTexCoord;

const vec3 sunDirection = vec3(0.37, 0.52, 0.77);
const vec3 sunColor = vec3(0.72, 0.68, 0.60);
const vec3 skyAmbient = vec3(0.56, 0.60, 0.68);
const vec3 groundAmbient = vec3(0.38, 0.36, 0.34);
const float minimumWeight = 1.0e-4;

vec3 sceneLight(vec3 worldNormal)
{
    vec3 ambient = mix(groundAmbient, skyAmbient, worldNormal.z * 0.5 + 0.5);
    return ambient + sunColor * max(dot(worldNormal, normalize(sunDirection)), 0.0);
}

mat4 bone(uint id)
{
    // A bone id past the palette must not read outside the array.
    return uBones[min(int(id), boneCapacity - 1)];
}

mat4 skinMatrix()
{
    mat4 blended = bone(aBoneIds.x) * aBoneWeights.x + bone(aBoneIds.y) * aBoneWeights.y
                 + bone(aBoneIds.z) * aBoneWeights.z + bone(aBoneIds.w) * aBoneWeights.w;
    // Bone matrices are affine, so the corner element is the sum of the
    // weights: dividing by it repairs weights that do not add up to one, and
    // a vertex no bone holds (or a palette never uploaded) keeps its bind pose.
    float weightSum = blended[3][3];
    return weightSum > minimumWeight ? blended / weightSum : mat4(1.0);
}

void main()
{
    mat4 skin = skinMatrix();
    vec4 skinnedPosition = skin * vec4(aPosition, 1.0);
    vec3 skinnedNormal = mat3(skin) * aNormal;

    vec3 worldNormal = normalize(transpose(inverse(mat3(uModelMatrix))) * skinnedNormal);
    vec3 viewNormal = normalize(transpose(inverse(mat3(uModelViewMatrix))) * skinnedNormal);
    vec4 viewPosition = uModelViewMatrix * skinnedPosition;

    vLight = sceneLight(worldNormal);
    vEdgeNormal = viewNormal * 0.5 + 0.5;
    vViewPosition = viewPosition.xyz;
    vColor = vec4(1.0);
    vTexCoord = aTexCoord;
    gl_Position = uProjectionMatrix * viewPosition;
}
