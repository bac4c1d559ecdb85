// SPDX-License-Identifier: MIT
#include "BmpWriter.h"

#include "ByteWriter.h"

bool WriteBmp(const std::string& path, const Canvas& canvas) {
    const int rowBytes = (canvas.Width() * 3 + 3) / 4 * 4;  // rows pad to 4 bytes
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * canvas.Height());
    constexpr std::uint32_t HeaderBytes = 14 + 40;
    ByteWriter out;
    out.Tag("BM");
    out.U32(HeaderBytes + pixelBytes);
    out.U32(0);
    out.U32(HeaderBytes);
    out.U32(40);  // BITMAPINFOHEADER
    out.U32(static_cast<std::uint32_t>(canvas.Width()));
    out.U32(static_cast<std::uint32_t>(canvas.Height()));  // positive: rows bottom-up
    out.U16(1);
    out.U16(24);
    out.U32(0);  // no compression
    out.U32(pixelBytes);
    out.U32(2835);  // 72 dots per inch
    out.U32(2835);
    out.U32(0);
    out.U32(0);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        int written = 0;
        for (int x = 0; x < canvas.Width(); ++x, written += 3) {
            const Rgb pixel = canvas.At(x, y);
            out.Byte(pixel.b);
            out.Byte(pixel.g);
            out.Byte(pixel.r);
        }
        for (; written < rowBytes; ++written) {
            out.Byte(0);
        }
    }
    return out.Save(path);
}
