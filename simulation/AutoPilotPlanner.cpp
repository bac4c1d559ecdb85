// SPDX-License-Identifier: MIT
#include "simulation/AutoPilotPlanner.h"

#include <algorithm>
#include <cmath>

#include "simulation/AutoPilotRules.h"

namespace {

// How far outside every threat's reach the ship likes to stay, and how much
// coming closer costs.
constexpr float ClearanceWanted = 12;
constexpr double ClosenessWeight = 4;
// What straying from the station costs, per pixel and frame.
constexpr double AimWeight = 3;
constexpr double HeightWeight = 1;
// A hit outweighs everything else; a later one is less certain and leaves
// more time to find a way out.
constexpr double HitWeight = 1e6;

// The frames after which a manoeuvre may turn to its second heading.
constexpr int TurnFrames[] = {3, 8, 16};

constexpr Heading Headings[] = {{0, 0},   {-1, 0}, {1, 0},  {0, -1}, {0, 1},
                                {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

bool SameHeading(Heading a, Heading b) {
    return a.dx == b.dx && a.dy == b.dy;
}

// Predictions drift the further ahead they look: keep a margin that grows.
float Uncertainty(int frame) {
    return 1.5f + 0.05f * static_cast<float>(frame);
}

// A shot seen only once may be going anywhere: widen it for a few frames.
float UnknownMotionSpread(const Threat& threat, int frame) {
    return threat.motionKnown ? 0.0f : 3.0f * static_cast<float>(std::min(frame, 6));
}

// Nearness matters less the further ahead it is predicted.
double Fading(int frame) {
    return 8.0 / (8.0 + frame);
}

}  // namespace

float ShipCentreX(ShipSpot spot) {
    return static_cast<float>(spot.x + ShipRules::Width / 2);
}

float ShipCentreY(ShipSpot spot) {
    return static_cast<float>(spot.y + ShipRules::Height / 2);
}

ShipSpot FlyOneFrame(ShipSpot from, Heading heading, int step) {
    ShipSpot to = from;
    using namespace ShipRules;
    if (heading.dy < 0 && to.y > TopLimit) {
        to.y -= step;
    }
    if (heading.dy > 0 && to.y + Height < BottomLimit) {
        to.y += step;
    }
    if (heading.dx < 0 && to.x > LeftLimit) {
        to.x -= step;
    }
    if (heading.dx > 0 && to.x + Width < RightLimit) {
        to.x += step;
    }
    return to;
}

ManoeuvrePlanner::Choice ManoeuvrePlanner::Choose(const Outlook& seen,
                                                  const std::vector<Threat>& threats) {
    outlook = &seen;
    GatherNearby(threats);
    Choice best{{0, 0}, HUGE_VAL, 0};
    for (const Heading first : Headings) {
        ShipSpot spot = seen.ship;
        double cost = 0;
        int flown = 0;
        int hit = 0;
        // The first heading held to the end, with turns to a second heading
        // branching off on the way.
        for (const int turn : TurnFrames) {
            hit = Fly(spot, first, flown + 1, turn, cost, best.cost);
            flown = turn;
            if (hit != 0 || cost >= best.cost) {
                break;
            }
            for (const Heading second : Headings) {
                if (SameHeading(first, second)) {
                    continue;
                }
                ShipSpot turned = spot;
                double total = cost;
                const int turnedHit = Fly(turned, second, turn + 1, Horizon, total, best.cost);
                if (total < best.cost) {
                    best = {first, total, turnedHit};
                }
            }
        }
        if (hit == 0 && cost < best.cost) {
            hit = Fly(spot, first, flown + 1, Horizon, cost, best.cost);
        }
        if (cost < best.cost) {
            best = {first, cost, hit};
        }
    }
    return best;
}

void ManoeuvrePlanner::GatherNearby(const std::vector<Threat>& threats) {
    nearby.clear();
    const float reach = static_cast<float>(ShipRules::Step * Horizon) + ClearanceWanted;
    const float shipX = ShipCentreX(outlook->ship);
    const float shipY = ShipCentreY(outlook->ship);
    for (const Threat& threat : threats) {
        const float spread = UnknownMotionSpread(threat, Horizon) + Uncertainty(Horizon);
        const float endX = threat.XAt(Horizon);
        const float endY = threat.YAt(Horizon);
        const float padX = threat.reachX + spread + reach;
        const float padY = threat.reachY + spread + reach;
        if (std::min(threat.x, endX) - padX < shipX && shipX < std::max(threat.x, endX) + padX &&
            std::min(threat.y, endY) - padY < shipY && shipY < std::max(threat.y, endY) + padY) {
            nearby.push_back(threat);
        }
    }
}

int ManoeuvrePlanner::Fly(ShipSpot& spot, Heading heading, int fromFrame, int toFrame, double& cost,
                          double bound) const {
    for (int frame = fromFrame; frame <= toFrame; ++frame) {
        spot = FlyOneFrame(spot, heading, outlook->steps[frame - 1]);
        bool hit = false;
        cost += CostAt(spot, frame, hit);
        if (hit) {
            cost += HitCost(frame);
            return frame;
        }
        if (cost >= bound) {
            return 0;
        }
    }
    return 0;
}

double ManoeuvrePlanner::HitCost(int frame) const {
    return HitWeight * (Horizon + 1 - frame);
}

double ManoeuvrePlanner::CostAt(ShipSpot spot, int frame, bool& hit) const {
    const float x = ShipCentreX(spot);
    const float y = ShipCentreY(spot);
    const Station& station = outlook->station;
    double cost = AimWeight * std::max(0.0f, std::fabs(x - station.aimX) - station.aimTolerance) +
                  HeightWeight * std::fabs(y - station.preferredY);
    if (frame <= outlook->safeFrames) {
        return cost;
    }
    const float margin = Uncertainty(frame);
    double closeness = 0;
    for (const Threat& threat : nearby) {
        const float spread = margin + UnknownMotionSpread(threat, frame);
        const float gapX = std::fabs(x - threat.XAt(frame)) - threat.reachX - spread;
        const float gapY = std::fabs(y - threat.YAt(frame)) - threat.reachY - spread;
        if (gapX < 0 && gapY < 0) {
            hit = true;
            return cost;
        }
        const float gap = std::max(gapX, gapY);
        if (gap < ClearanceWanted) {
            closeness += (ClearanceWanted - gap) * (ClearanceWanted - gap);
        }
    }
    return cost + ClosenessWeight * Fading(frame) * closeness;
}
