// SPDX-License-Identifier: MIT
#pragma once
// One painter or composer per family of assets; each writes its files
// through the asset writer.

#include <string>

class AssetWriter;

void DrawFont(AssetWriter& writer);
// An empty version leaves the title picture's corner plain.
void DrawTitleScreens(AssetWriter& writer, const std::string& version);
void DrawEndScreens(AssetWriter& writer);
void DrawHud(AssetWriter& writer);
void DrawSkyScenery(AssetWriter& writer);
void DrawIndustryScenery(AssetWriter& writer);
void DrawLavaScenery(AssetWriter& writer);
void DrawIceScenery(AssetWriter& writer);
void DrawHeroSprites(AssetWriter& writer);
void DrawShotSprites(AssetWriter& writer);
void DrawExplosionStrips(AssetWriter& writer);
void DrawSmallEnemies(AssetWriter& writer);
void DrawPlaneEnemies(AssetWriter& writer);
void DrawRadioZonde(AssetWriter& writer);
void DrawMetroid(AssetWriter& writer);
void DrawFee(AssetWriter& writer);
void DrawXantum(AssetWriter& writer);
void ComposeSoundEffects(AssetWriter& writer);
void ComposeMusic(AssetWriter& writer);

// The desktop icons, the ship on a dark rounded tile, into
// folder/<size>x<size>/apps/corvanel.png; false when a file cannot be written.
bool PaintIcons(const std::string& folder);
