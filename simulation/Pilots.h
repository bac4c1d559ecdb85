// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "simulation/Simulation.h"

// The built-in pilots: "idle" touches nothing; "fire" holds fire and sweeps
// the ship from side to side along the bottom; "auto" dodges and aims from
// what it sees and wins the game. Null for an unknown name.
std::shared_ptr<Pilot> MakePilot(const std::string& name);
