#pragma once

#include "Engine/ECS/EntityManager.h"
#include "Engine/ECS/System.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace EcsTest {

// The calls systems received, in order, as "<label> <call> <entity>".
using EventLog = std::vector<std::string>;

// A test double that writes every hook and update it receives into a log.
class RecordingSystem : public Engine::ECS::System {
public:
    RecordingSystem(Engine::ECS::EntityManager* world, std::vector<uint32_t> types, std::string label,
                    EventLog* log)
        : System(world, std::move(types)), label(std::move(label)), log(log)
    {
    }

    void update(uint32_t entity, float) override { record("update", entity); }
    void onEntityAdded(uint32_t entity) override { record("added", entity); }
    void onEntityRemoved(uint32_t entity) override { record("removed", entity); }

    std::string label;

protected:
    void record(const std::string& call, uint32_t entity)
    {
        log->push_back(label + " " + call + " " + std::to_string(entity));
    }

    EventLog* log;
};

} // namespace EcsTest
