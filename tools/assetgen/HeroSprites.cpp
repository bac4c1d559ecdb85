// SPDX-License-Identifier: MIT
// The player's ship, Corvanel: a sleek white and blue fighter pointing up,
// its banked poses, its hit look, and its blue and red shots.
#include <algorithm>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"
#include "Sprites.h"

namespace {

constexpr double Axis = 18.0;
const Rgb Hull(222, 230, 242);
const Rgb Wing(196, 206, 226);
const Rgb Stripe(36, 88, 214);
const Rgb Engine(92, 102, 124);

// Draws the ship's left half through `place`, which maps a point of the level
// ship to where it lies in the pose; the right half is the mirror image.
class ShipShape {
public:
    explicit ShipShape(int bank)
        : leftSpan_(bank < 0   ? 0.62
                    : bank > 0 ? 0.92
                               : 1.0),
          rightSpan_(bank > 0   ? 0.62
                     : bank < 0 ? 0.92
                                : 1.0) {}

    Point Place(double x, double y) const {
        const double span = x < Axis ? leftSpan_ : rightSpan_;
        return {Axis + (x - Axis) * span, y};
    }
    // Both halves of a shape given by its left-hand points.
    std::vector<Polygon> Pair(const std::vector<Point>& left, double roundness) const {
        std::vector<Point> a, b;
        for (const Point& p : left) {
            a.push_back(Place(p.x, p.y));
            b.push_back(Place(2 * Axis - p.x, p.y));
        }
        return {Polygon(a, roundness), Polygon(b, roundness)};
    }
    std::vector<Polygon> Whole(const std::vector<Point>& left, double roundness) const {
        std::vector<Point> outline;
        for (const Point& p : left) {
            outline.push_back(Place(p.x, p.y));
        }
        for (auto p = left.rbegin(); p != left.rend(); ++p) {
            outline.push_back(Place(2 * Axis - p->x, p->y));
        }
        return {Polygon(outline, roundness)};
    }

private:
    double leftSpan_, rightSpan_;
};

}  // namespace

Canvas HeroShip(Rgb key, int bank) {
    const ShipShape ship(bank);
    Relief relief(36, 33);
    for (const double side : {-1.0, 1.0}) {
        const Point top = ship.Place(Axis + side * 5, 19);
        const Point bottom = ship.Place(Axis + side * 5, 29);
        relief.Add(Capsule(top, bottom, 2.4), {Engine, 3.0, 0.0, 0.5});
    }
    for (const Polygon& wing : ship.Pair({{16, 12}, {3, 24}, {2, 27.5}, {6, 28.5}, {16, 25}}, 2)) {
        relief.Add(wing, {Wing, 2.0, 1.0, 0.5});
    }
    for (const Polygon& edge : ship.Pair({{15.5, 14}, {3.5, 24.5}, {3.5, 26}, {15.5, 17.5}}, 1)) {
        relief.Paint(edge, Stripe);
    }
    for (const Polygon& fin : ship.Pair({{15.5, 23}, {10.5, 31}, {12.5, 31.5}, {16, 28}}, 1)) {
        relief.Add(fin, {Stripe, 2.0, 2.0, 0.4});
    }
    for (const Polygon& canard : ship.Pair({{16, 8}, {11.5, 13}, {12, 14}, {16, 12}}, 1)) {
        relief.Add(canard, {Wing, 1.5, 2.0, 0.4});
    }
    for (const Polygon& body :
         ship.Whole({{18, 0.5}, {15.6, 7}, {14.6, 14}, {14.6, 28}, {16, 31.2}}, 4)) {
        relief.Add(body, {Hull, 4.0, 2.0, 0.6});
    }
    relief.Paint(
        Polygon({ship.Place(15, 18), ship.Place(21, 18), ship.Place(21, 20), ship.Place(15, 20)}),
        Stripe);
    relief.AddGradient(Ellipse(ship.Place(Axis, 11.5).x, 11.5, 2.3, 4.6),
                       {Rgb(150, 232, 255), 2.0, 6.0, 0.0, true}, Rgb(22, 62, 150));
    relief.Paint(Ellipse(ship.Place(17.2, 9.4).x, 9.4, 0.7, 1.1), Rgb(240, 252, 255), true);
    // Exhaust flames of the two engines and the main nozzle.
    for (const double x : {Axis - 5, Axis + 5}) {
        relief.AddGradient(Ellipse(ship.Place(x, 0).x, 31.0, 1.6, 1.8),
                           {Rgb(255, 246, 190), 1.0, 0.0, 0.0, true}, Rgb(255, 120, 30));
    }
    relief.AddGradient(Ellipse(ship.Place(Axis, 0).x, 31.4, 1.8, 1.4),
                       {Rgb(200, 240, 255), 1.0, 2.0, 0.0, true}, Rgb(60, 140, 255));
    // Navigation lights on the wing tips.
    relief.Paint(Ellipse(ship.Place(3.4, 0).x, 26.3, 0.8, 0.8), Rgb(255, 70, 60), true);
    relief.Paint(Ellipse(ship.Place(32.6, 0).x, 26.3, 0.8, 0.8), Rgb(80, 255, 120), true);
    // A banked ship shows the dipped wing turned away from the light.
    relief.Roll(bank * -0.45, Axis);
    return relief.Render(key);
}

namespace {

// An energy bolt: a bright head with a tapering tail, rimmed dark.
Canvas HeroShot(Rgb key, Rgb edge, Rgb glow, Rgb core) {
    Relief relief(17, 41);
    relief.AddGradient(Capsule({8.5, 8.5}, {8.5, 35}, 6.2, 2.4), {glow, 1.0, 0.0, 0.0, true}, edge);
    relief.AddGradient(Capsule({8.5, 8}, {8.5, 30}, 3.4, 1.0), {core, 1.0, 0.0, 0.0, true}, glow);
    return relief.Render(key);
}

}  // namespace

void DrawHeroSprites(AssetWriter& writer) {
    const Rgb key(assetcontract::Magenta);
    const Rgb hitKey(assetcontract::HeroHitKey);
    const Rgb hitTint(255, 110, 96);
    const struct {
        int bank;
        const char* normal;
        const char* hit;
    } poses[] = {
        {0, "Images/Heros/Corvanel.png", "Images/Heros/Corvanel_Touche.png"},
        {-1, "Images/Heros/Corvanel_Gauche.png", "Images/Heros/Corvanel_Touche_Gauche.png"},
        {1, "Images/Heros/Corvanel_Droite.png", "Images/Heros/Corvanel_Touche_Droite.png"},
    };
    for (const auto& pose : poses) {
        const Canvas ship = HeroShip(writer.Key(pose.normal), pose.bank);
        writer.Image(pose.normal, ship);
        writer.Image(pose.hit, Flashed(ship, hitKey, hitTint, 0.55));
    }
    writer.Image("Images/Heros/Heros_Tir_Bleu.png",
                 HeroShot(key, Rgb(24, 70, 210), Rgb(90, 190, 255), Rgb(245, 252, 255)));
    writer.Image("Images/Heros/Heros_Tir_Rouge.png",
                 HeroShot(key, Rgb(200, 30, 20), Rgb(255, 140, 60), Rgb(255, 250, 220)));
}
