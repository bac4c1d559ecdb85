// Writes the game's asset set into the folder given on the command line.
#include <png.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool WritePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgb) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, const_cast<png_bytep>(&rgb[static_cast<size_t>(y) * width * 3]));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvanel-assetgen DATA_DIR\n");
        return 2;
    }
    const std::string root = argv[1];
    for (const char* dir : {"", "/Images", "/Images/Panorama"}) {
        mkdir((root + dir).c_str(), 0755);
    }
    std::vector<unsigned char> title(640 * 480 * 3);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            unsigned char* p = &title[(y * 640 + x) * 3];
            p[0] = static_cast<unsigned char>(10 + y / 8);
            p[1] = static_cast<unsigned char>(20 + y / 6);
            p[2] = static_cast<unsigned char>(60 + y / 4);
        }
    }
    return WritePng(root + "/Images/Panorama/Titre.png", 640, 480, title) ? 0 : 1;
}
