// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>

// A damaged header can make a few bytes read as a picture of many thousand
// pixels a side (a 29-byte BMP became 13810 x 24886, 1.4 GB once
// converted). What a picture costs is its pixels, four bytes each once
// converted for the display: no picture of the game comes near 4096 x 4096
// of them (64 MiB), though a strip may be long and thin. A side is also
// bound by SDL's rows, whose length in bytes is 16-bit: 16383 pixels of four
// bytes.
constexpr long long LargestPicturePixels = 4096LL * 4096;
constexpr long long LargestPictureSide = 16383;

// Whether a picture of that size is one the game could have; when not, SDL's
// error says so.
bool HasPictureSize(long long width, long long height);

// Looks at the bytes of a picture file before anything decodes them, so
// that a damaged or hostile file costs a few reads rather than the memory
// its header claims. False, with SDL's error set to the reason, when the
// file is empty, holds no PNG or BMP picture (only a BMP when `bmpOnly`, for
// SDL's own BMP reader), has too few bytes to say its size, claims a size no
// picture of the game has (HasPictureSize) or a BMP depth SDL cannot
// convert. The game's pictures are all PNG and BMP, so any other format
// SDL_image could read (GIF, JPEG, TIFF and the rest) is refused without
// being decoded. `endsEarly` tells whether the file ends inside a chunk (a
// PNG) or its rows (a BMP): when the decoder then fails, the file was cut
// short. A PNG that ends cleanly without its closing chunk does not end
// early; the decoder draws it.
bool CheckPicture(const Uint8* bytes, size_t size, bool bmpOnly, bool* endsEarly);
