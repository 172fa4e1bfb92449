#pragma once

#include "Game/Physics/CollisionCallback.h"

// Logs the beginning ("OnEnter <id>") and end ("OnRelease <id>") of every
// contact with another entity.
class TestCallBack : public CollisionCallback {
public:
    void onEnter(uint32_t self, uint32_t other) override;
    void onStay(uint32_t self, uint32_t other) override;
    void onRelease(uint32_t self, uint32_t other) override;
};
