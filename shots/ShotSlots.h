// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "shots/Shot.h"

// A shooter's fixed pool of shot slots, allocated once; a null slot is free.
// The pool owns its shots: it deletes those that leave their area and, when
// it goes, every shot still flying.
class ShotSlots {
public:
    explicit ShotSlots(int count);
    ~ShotSlots();
    ShotSlots(const ShotSlots&) = delete;
    ShotSlots& operator=(const ShotSlots&) = delete;

    // The slot array as the hit tests read it.
    Shot** Data() { return slots.data(); }
    int Count() const { return static_cast<int>(slots.size()); }
    Shot* At(int slot) const { return slots[slot]; }

    // The lowest free slot from the given one upwards, or -1 when none is.
    int FirstFree(int from = 0) const;
    void Put(int slot, Shot* shot) { slots[slot] = shot; }
    // Deletes the shot in the slot, if any, and frees the slot.
    void Destroy(int slot);

    bool AnyOccupied() const;
    int LiveCount() const;

    // Moves and draws every shot in slot order; a shot that has left its
    // area is drawn this once more, then deleted.
    void UpdateAll();

private:
    std::vector<Shot*> slots;
};
