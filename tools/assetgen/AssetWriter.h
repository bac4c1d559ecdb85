// SPDX-License-Identifier: MIT
#pragma once
// Writes the generated assets into the data folder, each under its path from
// the asset contract, and holds every picture to the contract's size and key
// colour on the way out: a picture that breaks it fails the build.

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "AudioBuffer.h"
#include "assets/AssetContract.h"
#include "assets/Canvas.h"

// A canvas of the picture's size, filled with its key colour (black for
// pictures without one), that guards the key.
Canvas BlankCanvas(const assetcontract::ImageAsset& asset);

class AssetWriter {
public:
    explicit AssetWriter(std::string dataFolder);

    // The contract entry of a picture; an unknown path is reported and fails the run.
    const assetcontract::ImageAsset& Contract(const char* path);
    Rgb Key(const char* path) { return Rgb(Contract(path).key); }
    // A blank canvas for the picture at `path`.
    Canvas Blank(const char* path) { return BlankCanvas(Contract(path)); }

    void Image(const char* path, const Canvas& canvas);
    void Effect(const char* path, const MonoBuffer& sound);
    void Music(const char* path, const StereoBuffer& music);

    // Reports every asset of the contract that was not written; true when the
    // whole set was written and every check passed.
    bool Finish();

    // The keyed pictures written so far, for the contact sheet.
    const std::vector<std::pair<std::string, Canvas>>& Sprites() const { return sprites_; }

private:
    std::string PathOf(const char* path) const;
    void Fail(const std::string& message);
    void CheckImage(const assetcontract::ImageAsset& asset, const Canvas& canvas);

    std::string folder_;
    std::mutex mutex_;  // the music is written from its own thread
    std::set<std::string> written_;
    std::vector<std::pair<std::string, Canvas>> sprites_;
    std::atomic<bool> failed_{false};
};
