// SPDX-License-Identifier: MIT
#include "shots/ShotSlots.h"

ShotSlots::ShotSlots(int count) : slots(static_cast<size_t>(count), nullptr) {}

ShotSlots::~ShotSlots() {
    for (Shot* shot : slots) {
        delete shot;
    }
}

int ShotSlots::FirstFree(int from) const {
    for (int i = from; i < Count(); ++i) {
        if (!slots[i]) {
            return i;
        }
    }
    return -1;
}

void ShotSlots::Destroy(int slot) {
    delete slots[slot];
    slots[slot] = nullptr;
}

bool ShotSlots::AnyOccupied() const {
    for (Shot* shot : slots) {
        if (shot) {
            return true;
        }
    }
    return false;
}

int ShotSlots::LiveCount() const {
    int live = 0;
    for (Shot* shot : slots) {
        live += shot != nullptr;
    }
    return live;
}

void ShotSlots::UpdateAll() {
    for (Shot*& shot : slots) {
        if (!shot) {
            continue;
        }
        bool alive = true;
        shot->Update(&alive);
        if (!alive) {
            delete shot;
            shot = nullptr;
        }
    }
}
