// SPDX-License-Identifier: MIT
#include "AssetWriter.h"

#include <sys/stat.h>

#include <cstdio>

#include "BmpWriter.h"
#include "OggWriter.h"
#include "WavWriter.h"
#include "assets/PngWriter.h"

using assetcontract::ImageAsset;
using assetcontract::Keying;

namespace {

constexpr float MusicQuality = 0.3f;

// Creates every folder on the way to a file.
void MakeParentFolders(const std::string& file) {
    for (size_t slash = file.find('/', 1); slash != std::string::npos;
         slash = file.find('/', slash + 1)) {
        mkdir(file.substr(0, slash).c_str(), 0755);
    }
}

}  // namespace

AssetWriter::AssetWriter(std::string dataFolder) : folder_(std::move(dataFolder)) {}

std::string AssetWriter::PathOf(const char* path) const {
    const std::string full = folder_ + "/" + path;
    MakeParentFolders(full);
    return full;
}

void AssetWriter::Fail(const std::string& message) {
    std::fprintf(stderr, "corvanel-assetgen: %s\n", message.c_str());
    failed_ = true;
}

const ImageAsset& AssetWriter::Contract(const char* path) {
    const ImageAsset* asset = assetcontract::FindImage(path);
    if (!asset) {
        Fail(std::string("no picture \"") + path + "\" in the asset contract");
        static const ImageAsset unknown = assetcontract::Picture("");
        return unknown;
    }
    return *asset;
}

Canvas BlankCanvas(const ImageAsset& asset) {
    const Rgb key(asset.key);
    Canvas canvas(asset.Width(), asset.Height(), key);
    if (asset.keying == Keying::Keyed) {
        canvas.GuardKey(key);
    }
    return canvas;
}

void AssetWriter::CheckImage(const ImageAsset& asset, const Canvas& canvas) {
    const std::string name = asset.path;
    if ((asset.cellWidth != assetcontract::AnyWidth && canvas.Width() != asset.Width()) ||
        canvas.Height() != asset.Height()) {
        Fail(name + " is " + std::to_string(canvas.Width()) + " x " +
             std::to_string(canvas.Height()) + ", not " + std::to_string(asset.Width()) + " x " +
             std::to_string(asset.Height()));
        return;
    }
    if (asset.keying != Keying::Keyed) {
        return;
    }
    const Rgb key(asset.key);
    if (name == assetcontract::FramePath) {
        // The frame's key fills exactly the playfield window.
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const bool window =
                    x >= assetcontract::PlayfieldLeft && x <= assetcontract::PlayfieldRight;
                if ((canvas.At(x, y) == key) != window) {
                    Fail(name + ": the key colour does not fill exactly the playfield window");
                    return;
                }
            }
        }
        return;
    }
    // Every cell stands on its key colour: its corners show the background.
    for (int cell = 0; cell < asset.cells; ++cell) {
        const int left = cell * asset.cellWidth;
        const int right = left + asset.cellWidth - 1;
        const int bottom = asset.cellHeight - 1;
        if (canvas.At(left, 0) != key || canvas.At(right, 0) != key ||
            canvas.At(left, bottom) != key || canvas.At(right, bottom) != key) {
            Fail(name + ": cell " + std::to_string(cell) + " has a corner that is not the key");
        }
    }
}

void AssetWriter::Image(const char* path, const Canvas& canvas) {
    const ImageAsset& asset = Contract(path);
    CheckImage(asset, canvas);
    const std::string file = PathOf(path);
    const bool saved =
        assetcontract::HasExtension(path, ".bmp") ? WriteBmp(file, canvas) : WritePng(file, canvas);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!saved) {
        Fail("cannot write " + file);
    }
    written_.insert(path);
    if (asset.keying != Keying::Opaque) {
        sprites_.emplace_back(path, canvas);
    }
}

void AssetWriter::Effect(const char* path, const MonoBuffer& sound) {
    const bool saved = WriteWav(PathOf(path), sound, assetcontract::SampleRate);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!assetcontract::FindSound(path) || !saved) {
        Fail(std::string("cannot write the sound ") + path);
    }
    written_.insert(path);
}

void AssetWriter::Music(const char* path, const StereoBuffer& music) {
    const bool saved = WriteOggVorbis(PathOf(path), music, assetcontract::SampleRate, MusicQuality);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!assetcontract::FindSound(path) || !saved) {
        Fail(std::string("cannot write the music ") + path);
    }
    written_.insert(path);
}

bool AssetWriter::Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const ImageAsset& image : assetcontract::Images) {
        if (!written_.count(image.path)) {
            Fail(std::string("nothing drew ") + image.path);
        }
    }
    for (const assetcontract::SoundAsset& sound : assetcontract::Sounds) {
        if (!written_.count(sound.path)) {
            Fail(std::string("nothing composed ") + sound.path);
        }
    }
    return !failed_;
}
