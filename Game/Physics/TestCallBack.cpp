#include "Game/Physics/TestCallBack.h"

#include "Engine/Base/Log.h"

#include <string>

void TestCallBack::onEnter(uint32_t, uint32_t other)
{
    Engine::log("OnEnter " + std::to_string(other));
}

void TestCallBack::onStay(uint32_t, uint32_t) {}

void TestCallBack::onRelease(uint32_t, uint32_t other)
{
    Engine::log("OnRelease " + std::to_string(other));
}
