// SPDX-License-Identifier: MIT
#pragma once

// SDL_mixer's calls, as the game makes them, through the browser's Web
// Audio (BrowserMixer.cpp, BrowserMixer.js).
namespace BrowserMixer {

// Nothing is heard from now on: a run faster than real time would only
// pile its sounds up.
void Silence();

}  // namespace BrowserMixer
