// SPDX-License-Identifier: MIT
#pragma once

// The game's largest picture is an explosion strip 3072 pixels wide. A
// damaged header can make a few bytes read as a picture of many thousand
// pixels a side (a 29-byte BMP became 13810 x 24886, 1.4 GB once converted),
// so anything larger than this on a side counts as unreadable.
constexpr int LargestPictureSide = 4096;

// Looks at a picture file before anything decodes it, so that a damaged or
// hostile file costs a few reads rather than the memory its header claims.
// False, with SDL's error set to the reason, when the file is not a regular
// file or cannot be opened (OpenRegularFile), is empty or cut short, holds
// no PNG or BMP picture (only a BMP when `bmpOnly`, for SDL's own BMP
// reader), or claims a size that no picture of the game has: below one or
// above LargestPictureSide pixels on a side, the same refusal the loaders
// give a surface read. The game's pictures are all PNG and BMP, so any other
// format SDL_image could read (GIF, JPEG, TIFF and the rest) is refused
// without being decoded.
bool CheckPictureFile(const char* path, bool bmpOnly);
