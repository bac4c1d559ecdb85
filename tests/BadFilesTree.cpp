#include "tests/BadFilesTree.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

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

void BadFilesTree::Truncate(const std::string& file) {
    const std::string whole = ReadFileBytes(DataPath(file));
    Write(file, whole.substr(0, whole.size() / 2));
}

const char* DamageName(Damage damage) {
    switch (damage) {
        case Damage::Missing:
            return "missing";
        case Damage::Empty:
            return "empty";
        case Damage::Truncated:
            return "truncated";
        case Damage::WrongFormat:
            return "wrong format";
        case Damage::Folder:
            return "folder";
        case Damage::Fifo:
            return "fifo";
    }
    return "?";
}

void DamageFile(BadFilesTree& tree, const std::string& file, Damage damage) {
    const bool isPicture = file.rfind("Images/", 0) == 0;
    switch (damage) {
        case Damage::Missing:
            tree.Remove(file);
            break;
        case Damage::Empty:
            tree.Write(file, "");
            break;
        case Damage::Truncated:
            tree.Truncate(file);
            break;
        case Damage::WrongFormat:
            tree.Write(file, ReadFileBytes(DataPath(isPicture ? "Sound/Shot1.wav"
                                                              : "Images/Heros/Corvanel.png")));
            break;
        case Damage::Folder:
            tree.Remove(file);
            fs::create_directory(tree.PathOf(file));
            break;
        case Damage::Fifo:
            tree.Remove(file);
            EXPECT_EQ(mkfifo(tree.PathOf(file).c_str(), 0600), 0);
            break;
    }
}

namespace {

std::string BigEndian(Uint32 value) {
    return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                       static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string PngChunk(const std::string& typeAndData) {
    Uint32 crc = 0xFFFFFFFFu;
    for (unsigned char byte : typeAndData) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return BigEndian(typeAndData.size() - 4) + typeAndData + BigEndian(~crc);
}

// A zlib stream of `size` zero bytes in one block of deflate's fixed codes: a
// literal zero, then copies of 258 bytes from one back, then zeros.
std::string ZlibZeros(Uint32 size) {
    std::string out = "\x78\x01";
    Uint32 bits = 0;
    int count = 0;
    auto put = [&](Uint32 value, int width) {  // codes come bit-reversed
        bits |= value << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8) {
            out += static_cast<char>(bits);
        }
    };
    put(3, 3);  // the last block, fixed codes
    Uint32 left = size - 1;
    put(0x0C, 8);
    for (; left >= 258; left -= 258) {
        put(0xA3, 13);
    }
    for (; left > 0; --left) {
        put(0x0C, 8);
    }
    put(0, 7 + 7);  // the end of the block, and up to a whole byte
    return out + BigEndian((size % 65521) << 16 | 1);
}

}  // namespace

std::string PngClaiming(Uint32 width, Uint32 height) {
    const std::string header =
        BigEndian(width) + BigEndian(height) + std::string("\x01\0\0\0\0", 5);
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR" + header) +
           PngChunk("IDAT" + ZlibZeros(height * ((width + 7) / 8 + 1))) + PngChunk("IEND");
}
