// SPDX-License-Identifier: MIT
#include "tests/BadFilesTree.h"

#include <png.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

BadFilesTree::BadFilesTree() {
    if (Path().empty()) {
        return;  // the scratch folder has failed the test
    }
    const fs::path data = CORVANEL_DATA_DIR;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data)) {
        const fs::path copy = Path() / fs::relative(entry.path(), data);
        if (entry.is_directory()) {
            fs::create_directories(copy);
        } else {
            fs::create_symlink(entry.path(), copy);
        }
    }
}

void BadFilesTree::Remove(const std::string& file) {
    fs::remove(PathOf(file));
}

void BadFilesTree::Write(const std::string& file, const std::string& bytes) {
    Remove(file);  // the link, not the real file behind it
    std::ofstream out(PathOf(file), std::ios::binary);
    out << bytes;
}

void DamageFile(BadFilesTree& tree, const std::string& file, Damage damage) {
    const std::string whole = ReadFileBytes(DataPath(file));
    const bool isPicture = file.rfind("Images/", 0) == 0;
    tree.Remove(file);
    if (damage == Damage::Empty || damage == Damage::Truncated) {
        // A truncated file holds the first half, as an interrupted copy leaves it.
        tree.Write(file, whole.substr(0, damage == Damage::Empty ? 0 : whole.size() / 2));
    } else if (damage == Damage::WrongFormat) {
        tree.Write(file, ReadFileBytes(DataPath(isPicture ? "Sound/Shot1.wav"
                                                          : "Images/Heros/Corvanel.png")));
    } else if (damage == Damage::Folder) {
        fs::create_directory(tree.PathOf(file));
    } else if (damage == Damage::Fifo) {
        EXPECT_EQ(mkfifo(tree.PathOf(file).c_str(), 0600), 0);
    }
}

std::string PngClaiming(Uint32 width, Uint32 height) {
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &bytes,
        [](png_structp to, png_bytep data, size_t size) {
            static_cast<std::string*>(png_get_io_ptr(to))
                ->append(reinterpret_cast<char*>(data), size);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::vector<png_byte> row((width + 7) / 8);
    for (Uint32 y = 0; y < height; ++y) {
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}
