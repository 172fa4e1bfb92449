#include "tools/datagen/character/RunningClip.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include <glm/gtc/constants.hpp>

#include "tools/datagen/character/Humanoid.h"

namespace DataGen::RunningClip {

namespace {

const glm::vec3 lateralAxis(0.0f, 1.0f, 0.0f); // a positive turn swings a hanging limb backwards
const glm::vec3 forwardAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 upAxis(0.0f, 0.0f, 1.0f);

// Swing amplitudes and fixed angles of the stride, radians.
constexpr float thighSwing = 0.6f;
constexpr float kneeBendStance = 0.3f;
constexpr float kneeBendSwing = 0.9f;
constexpr float kneeLead = 0.3f;     // the knee folds most just after the thigh passes vertical
constexpr float footLevelling = 0.8f; // share of the leg's pitch the ankle takes back
constexpr float armSwing = 0.5f;
constexpr float armSpread = 0.12f;
constexpr float elbowBend = 1.25f;
constexpr float elbowSwing = 0.2f;
constexpr float hipsTwist = 0.1f;
constexpr float chestTwist = 0.12f;
constexpr float spineLean = 0.1f;
constexpr float chestLean = 0.05f;
constexpr float headCounterLean = 0.1f;
// The hips rise this far above the lower foot between two foot plants, metres.
constexpr float flightHeight = 0.03f;

glm::quat turn(float angle, const glm::vec3& axis)
{
    return glm::angleAxis(angle, axis);
}

struct LegAngles {
    float thigh;
    float knee;
    float foot;
};

// phase in radians; the left leg is furthest forward at a quarter stride and
// planted at half a stride.
LegAngles legAngles(float phase)
{
    LegAngles leg;
    leg.thigh = -thighSwing * std::sin(phase);
    const float fold = 0.5f * (1.0f + std::cos(phase - kneeLead));
    leg.knee = kneeBendStance + kneeBendSwing * fold * fold;
    leg.foot = -footLevelling * (leg.thigh + leg.knee);
    return leg;
}

// Leg geometry of the bind pose, metres: bone lengths and the lowest points
// of the foot (heel and toe soles) relative to the ankle, as (x, z).
struct LegShape {
    float thigh;
    float shin;
    glm::vec2 heel;
    glm::vec2 toe;
};

LegShape legShape()
{
    const glm::vec3 hip = Humanoid::joints()[Humanoid::jointIndex("thigh.L")].position;
    const glm::vec3 knee = Humanoid::joints()[Humanoid::jointIndex("shin.L")].position;
    const glm::vec3 ankle = Humanoid::joints()[Humanoid::jointIndex("foot.L")].position;
    const Humanoid::FootShape& foot = Humanoid::foot;
    return {hip.z - knee.z, knee.z - ankle.z, {foot.heelX, foot.axisHeight - foot.heelRadius - ankle.z},
            {foot.toeX, foot.axisHeight - foot.toeRadius - ankle.z}};
}

// z of a point (x, z) turned by `angle` about the lateral axis.
float turnedHeight(glm::vec2 point, float angle)
{
    return -point.x * std::sin(angle) + point.y * std::cos(angle);
}

// How far the sole reaches below the hip joint.
float legReach(const LegAngles& leg, const LegShape& shape)
{
    const float knee = turnedHeight({0.0f, -shape.thigh}, leg.thigh);
    const float ankle = knee + turnedHeight({0.0f, -shape.shin}, leg.thigh + leg.knee);
    const float footAngle = leg.thigh + leg.knee + leg.foot;
    return -(ankle + std::min(turnedHeight(shape.heel, footAngle), turnedHeight(shape.toe, footAngle)));
}

// The hips sink so that the longer leg just touches the ground, and lift off
// it between the two foot plants of a stride.
float hipsDrop(float phase)
{
    const LegShape shape = legShape();
    const float standing = legReach({0.0f, 0.0f, 0.0f}, shape);
    const float reach = std::max(legReach(legAngles(phase), shape), legReach(legAngles(phase + glm::pi<float>()), shape));
    const float lift = flightHeight * 0.5f * (1.0f - std::cos(2.0f * phase));
    return reach - standing + lift;
}

struct Side {
    std::string suffix;
    float phase;  // radians, the right side runs half a stride behind
    float spread; // sign of an outward turn about the forward axis
};

using Pose = std::map<std::string, glm::quat>;

void addSide(Pose& pose, const Side& side)
{
    const LegAngles leg = legAngles(side.phase);
    pose["thigh" + side.suffix] = turn(leg.thigh, lateralAxis);
    pose["shin" + side.suffix] = turn(leg.knee, lateralAxis);
    pose["foot" + side.suffix] = turn(leg.foot, lateralAxis);
    // Arms swing against the leg of their own side.
    const float swing = armSwing * std::sin(side.phase);
    pose["shoulder" + side.suffix] = turn(0.0f, upAxis);
    pose["upper_arm" + side.suffix] = turn(swing, lateralAxis) * turn(armSpread * side.spread, forwardAxis);
    pose["lower_arm" + side.suffix] = turn(-elbowBend - elbowSwing * std::sin(side.phase), lateralAxis);
    pose["hand" + side.suffix] = turn(0.0f, upAxis);
}

Pose strideRotations(float phase)
{
    const float sway = std::sin(phase);
    Pose pose;
    pose["hips"] = turn(-hipsTwist * sway, upAxis);
    pose["spine"] = turn(hipsTwist * sway, upAxis) * turn(spineLean, lateralAxis);
    pose["chest"] = turn(chestTwist * sway, upAxis) * turn(chestLean, lateralAxis);
    pose["neck"] = turn(-chestTwist * sway, upAxis) * turn(-headCounterLean, lateralAxis);
    pose["head"] = turn(-0.5f * headCounterLean, lateralAxis);
    addSide(pose, {".L", phase, 1.0f});
    addSide(pose, {".R", phase + glm::pi<float>(), -1.0f});
    return pose;
}

glm::vec3 translationAt(std::size_t node, float phase)
{
    const Humanoid::Joint& joint = Humanoid::joints()[node];
    glm::vec3 translation = Humanoid::restTranslation(static_cast<int>(node));
    if (joint.name == "hips") {
        translation.z += hipsDrop(phase);
    }
    return translation;
}

void appendKey(Engine::GFX::AnimationChannel& channel, float time, const glm::vec3& position,
               const glm::quat& rotation)
{
    channel.positions.push_back(position);
    channel.rotations.push_back(rotation);
    channel.scales.emplace_back(1.0f);
    channel.positionTimes.push_back(time);
    channel.rotationTimes.push_back(time);
    channel.scaleTimes.push_back(time);
    ++channel.keyCount;
}

} // namespace

Engine::GFX::Animation buildRunningClip()
{
    Engine::GFX::Animation clip;
    clip.name = "running";
    clip.ticksPerSecond = ticksPerSecond;
    clip.duration = clipSeconds * ticksPerSecond;
    const std::vector<Humanoid::Joint>& joints = Humanoid::joints();
    for (std::size_t node = 1; node < joints.size(); ++node) {
        clip.channels.emplace_back().nodeName = joints[node].name;
    }
    const int keyCount = stridesPerClip * keysPerStride + 1;
    for (int key = 0; key < keyCount; ++key) {
        // The stride phase repeats exactly, so the last key equals the first.
        const float phase = glm::two_pi<float>() * static_cast<float>(key % keysPerStride) / keysPerStride;
        const float time = clip.duration * static_cast<float>(key) / static_cast<float>(keyCount - 1);
        const Pose rotations = strideRotations(phase);
        for (std::size_t node = 1; node < joints.size(); ++node) {
            appendKey(clip.channels[node - 1], time, translationAt(node, phase),
                      rotations.at(joints[node].name));
        }
    }
    return clip;
}

} // namespace DataGen::RunningClip
