#include "Engine/ECS/System.h"

namespace Engine::ECS {

void System::run(float dt)
{
    begin();
    for (std::size_t i = 0; i < entities.size(); ++i) update(entities[i], dt);
    end(dt);
}

} // namespace Engine::ECS
