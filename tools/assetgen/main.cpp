// SPDX-License-Identifier: MIT
// Writes the game's whole asset set into the folder given on the command line:
// every picture and sound is drawn and composed here, from code, the same
// bytes on every run. The version, when given, is lettered on the title
// picture; the desktop icons, when a folder is given for them, go there.
#include <cstdio>
#include <string>
#include <thread>

#include "AssetWriter.h"
#include "ContactSheet.h"
#include "Generators.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: corvanel-assetgen DATA_DIR [VERSION [ICON_DIR]]\n");
        return 2;
    }
    const std::string version = argc > 2 ? argv[2] : "";
    std::string dataFolder = argv[1];
    while (dataFolder.size() > 1 && dataFolder.back() == '/') {
        dataFolder.pop_back();
    }
    AssetWriter writer(dataFolder);

    // Music takes the longest; it is composed and encoded beside the pictures.
    std::thread music([&writer] { ComposeMusic(writer); });

    DrawFont(writer);
    DrawTitleScreens(writer, version);
    DrawEndScreens(writer);
    DrawHud(writer);
    DrawSkyScenery(writer);
    DrawIndustryScenery(writer);
    DrawLavaScenery(writer);
    DrawIceScenery(writer);
    DrawHeroSprites(writer);
    DrawShotSprites(writer);
    DrawExplosionStrips(writer);
    DrawSmallEnemies(writer);
    DrawPlaneEnemies(writer);
    DrawRadioZonde(writer);
    DrawMetroid(writer);
    DrawFee(writer);
    DrawXantum(writer);
    ComposeSoundEffects(writer);
    music.join();

    const bool icons = argc < 4 || PaintIcons(argv[3]);
    if (!icons) {
        std::fprintf(stderr, "corvanel-assetgen: cannot write the icons into %s\n", argv[3]);
    }

    // The contact sheet lies beside the data folder, outside the game's files.
    const size_t slash = dataFolder.find_last_of('/');
    const std::string parent = slash == std::string::npos ? "." : dataFolder.substr(0, slash);
    const bool sheet = WriteContactSheet(parent + "/contact-sheet.png",
                                         parent + "/contact-sheet-half.png", writer.Sprites());
    if (!sheet) {
        std::fprintf(stderr, "corvanel-assetgen: cannot write the contact sheet\n");
    }
    return writer.Finish() && sheet && icons ? 0 : 1;
}
