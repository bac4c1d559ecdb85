// SPDX-License-Identifier: MIT
#include <regex>

#include "app/PlayThrough.h"
#include "assets/AssetContract.h"
#include "tests/CallLog.h"
#include "tests/LoopHarness.h"

// A won play-through loads every keyed picture of the game: each load keys it
// with SDL_SRCCOLORKEY alone and the colour of its row of the key table. The
// rank line is keyed black.
TEST_F(LoopTest, EveryPictureIsKeyedWithItsOwnColour) {
    std::map<std::string, std::string> keys;
    for (const assetcontract::ImageAsset& image : assetcontract::Images) {
        if (image.keying != assetcontract::Keying::Opaque) {
            const auto& k = image.key;
            keys["./" + std::string(image.path)] =
                std::to_string(k.r) + "," + std::to_string(k.g) + "," + std::to_string(k.b);
        }
    }
    Put(FinalBossSlot, new Probe("boss", AwayFromTheShip()))->finished = [] { return true; };
    CallLog log(CallLog::Keys);
    RunGame();
    const std::regex keyLine("key (\\./Images/\\S+) 1000 (\\S+)");
    std::map<std::string, std::string> keyed;
    for (const std::string& line : log.lines) {
        std::smatch m;
        if (std::regex_match(line, m, keyLine)) {
            std::string& key = keyed[m[1]];
            key = key.empty() || key == m[2] ? m[2].str() : key + " and " + m[2].str();
        }
    }
    EXPECT_EQ(keyed, keys);
    ASSERT_FALSE(log.lines.empty());
    EXPECT_TRUE(std::regex_match(log.lines.back(), std::regex("key \\d+x\\d+ 1000 0,0,0")))
        << log.lines.back();
}
