// SPDX-License-Identifier: MIT
#include "tests/TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/EndScreens.h"
#include "assets/AssetContract.h"
#include "gfx/LiveCount.h"
#include "gfx/PixelAccess.h"

namespace fs = std::filesystem;

SurfacePtr NewSurface(int width, int height, Uint32 fill, Uint32 alphaMask) {
    SurfacePtr surface(
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, alphaMask));
    SDL_FillRect(surface.get(), nullptr, fill);
    return surface;
}

std::ostream& operator<<(std::ostream& out, const Colour& c) {
    return out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

Colour ColourAt(SDL_Surface* surface, int x, int y) {
    Colour c;
    SDL_GetRGB(GetPixel(surface, x, y), surface->format, &c.r, &c.g, &c.b);
    return c;
}

int PixelsChanged(SDL_Surface* a, SDL_Surface* b, Rect area) {
    int changed = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            changed += ColourAt(a, x, y) != ColourAt(b, x, y);
        }
    }
    return changed;
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel) {
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y) {
        const Uint8* rowA = static_cast<const Uint8*>(a->pixels) + y * a->pitch;
        const Uint8* rowB = static_cast<const Uint8*>(b->pixels) + y * b->pitch;
        if (std::memcmp(rowA, rowB, rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

Box BoxOf(const Rect& r) {
    return {r.x, r.y, r.w, r.h};
}

Shot* ShotMaker::Straight(Rect rect, int dx, int dy) const {
    return new Shot(screen, image.get(), image.get(), rect, dx, dy, 1, dx, dy, 1, dx, dy, 1, dx, dy,
                    1);
}

Shot* ShotMaker::Still(int cx, int cy, int w, int h, int damage) const {
    Shot* shot = Straight(MakeRect(cx - w / 2, cy - h / 2, w, h));
    shot->SetDamage(damage);
    return shot;
}

int ShotMaker::HitAtCentre(Enemy& enemy, int damage) const {
    const Rect r = enemy.GetRect();
    std::unique_ptr<Shot> shot(Still(CentreX(r), CentreY(r), 17, 41, damage));
    Shot* heroShots[2] = {nullptr, shot.get()};
    return enemy.TestHits(heroShots, 2);
}

std::unique_ptr<Hero> MakeShip(SDL_Surface* screen, int x, int y, int lives) {
    return std::make_unique<Hero>(screen, MakeRect(x, y, 36, 33), lives, 60, 20, 16, 64, 64);
}

int CountLines(const std::vector<std::string>& trace, const std::string& text) {
    return static_cast<int>(std::count_if(trace.begin(), trace.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    }));
}

int FrameOf(const std::vector<std::string>& trace, const std::string& text) {
    for (const std::string& line : trace) {
        if (line.find(text) != std::string::npos) {
            return std::stoi(line);
        }
    }
    return -1;
}

std::string DataPath(const std::string& file) {
    return std::string(CORVANEL_DATA_DIR) + "/" + file;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TempFile::TempFile(const std::string& name)
    : path(testing::TempDir() + "corvanel_" + std::to_string(getpid()) + "_" + name) {}

TempFile::~TempFile() {
    std::remove(path.c_str());
}

ScratchFolder::ScratchFolder() {
    char folder[] = "/tmp/corvanel-scratch-XXXXXX";
    if (!mkdtemp(folder)) {
        ADD_FAILURE() << "cannot make a scratch folder";
        return;
    }
    root = folder;
}

ScratchFolder::~ScratchFolder() {
    if (!root.empty()) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}

WorkingFolder::WorkingFolder(const std::string& folder) : previous(fs::current_path()) {
    fs::current_path(folder);
}

WorkingFolder::~WorkingFolder() {
    fs::current_path(previous);
}

CommandResult RunGameIn(const std::string& folder, const std::string& environment) {
    const std::string out = folder + "/.out.txt";
    const std::string err = folder + "/.err.txt";
    const std::string line = "cd '" + folder + "' && " + environment +
                             " timeout 60 " CORVANEL_BINARY " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(line.c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(out);
    result.err = ReadFileBytes(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return result;
}

int RankPixelsShown(SDL_Surface* display, VirtualPlatform& clock, int score) {
    SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
    SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");
    auto ship = MakeShip(display);
    int rankPixels = -1;
    ScreenWatcher watcher;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* shown) {
        if (screen == EndScreen::Summary) {
            rankPixels = PixelsChanged(
                shown, summary.get(),
                MakeRect(assetcontract::RankTextX, assetcontract::RankTextY,
                         assetcontract::RankAreaWidth, assetcontract::RankAreaHeight));
            clock.PushKeyDown(SDLK_RETURN);
        }
    };
    ShowVictoryScreens(display, newspaper.get(), summary.get(), ship.get(), score, &watcher);
    return rankPixels;
}

std::vector<int> LiveCounts() {
    std::vector<int> counts;
    for (int kind = 0; kind < static_cast<int>(Held::KindCount); ++kind) {
        counts.push_back(LiveCount::Of(static_cast<Held>(kind)));
    }
    return counts;
}
