#pragma once

#include <cstdint>

// Told about the contacts of an entity's collision object: when a contact
// with another entity begins, in every step it lasts (including the first),
// and in the step after it ends.
class CollisionCallback {
public:
    virtual ~CollisionCallback() = default;

    virtual void onEnter(uint32_t self, uint32_t other) = 0;
    virtual void onStay(uint32_t self, uint32_t other) = 0;
    virtual void onRelease(uint32_t self, uint32_t other) = 0;
};
