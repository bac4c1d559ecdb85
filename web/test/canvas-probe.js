// SPDX-License-Identifier: MIT
// Runs inside the page: reads the game's canvas and finds the game's own
// pictures on it. The pictures come from the packed files the game loads,
// so the test knows nothing of how they look.
'use strict';

window.corvanelProbe = (function () {
  const pictures = new Map();

  // A picture from the game's files as RGBA pixels, with the colour key,
  // if any, marking the pixels that never show.
  async function picture(path, key) {
    const name = path + (key ? '#' + key.join(',') : '');
    if (pictures.has(name)) {
      return pictures.get(name);
    }
    const bytes = Module.FS.readFile(path);
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = scratch.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const data = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const shown = [];
    for (let i = 0; i < bitmap.width * bitmap.height; ++i) {
      const keyed = key && data[4 * i] === key[0] && data[4 * i + 1] === key[1] &&
                    data[4 * i + 2] === key[2];
      if (!keyed) {
        shown.push(i);
      }
    }
    const result = { width: bitmap.width, height: bitmap.height, data, shown };
    pictures.set(name, result);
    return result;
  }

  function screen() {
    const canvas = document.getElementById('canvas');
    return canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  }

  // The share of the picture's shown pixels that the screen has exactly,
  // with the picture's top-left corner at (x, y); stops counting once the
  // share cannot reach `enough`.
  function overlap(screenData, pic, x, y, enough) {
    const allowedMisses = Math.floor(pic.shown.length * (1 - enough));
    let misses = 0;
    for (const i of pic.shown) {
      const px = x + (i % pic.width);
      const py = y + Math.floor(i / pic.width);
      const s = 4 * (py * 640 + px);
      const p = 4 * i;
      if (px < 0 || py < 0 || px >= 640 || py >= 480 || screenData[s] !== pic.data[p] ||
          screenData[s + 1] !== pic.data[p + 1] || screenData[s + 2] !== pic.data[p + 2]) {
        if (++misses > allowedMisses) {
          return 0;
        }
      }
    }
    return 1 - misses / pic.shown.length;
  }

  return {
    // The share of the whole picture's shown pixels that are on screen at (0, 0).
    async matchesAt(path, key, x, y) {
      return overlap(screen(), await picture(path, key), x, y, 0);
    },
    // Every place in the region where the picture shows with at least
    // `enough` of its pixels, best first, places closer than a picture
    // apart counted once.
    async find(path, key, region, enough) {
      const pic = await picture(path, key);
      const screenData = screen();
      const found = [];
      for (let y = region.top; y + pic.height <= region.bottom; ++y) {
        for (let x = region.left; x + pic.width <= region.right; ++x) {
          const score = overlap(screenData, pic, x, y, enough);
          if (score >= enough) {
            found.push({ x, y, score });
          }
        }
      }
      found.sort((a, b) => b.score - a.score);
      const apart = [];
      for (const spot of found) {
        if (apart.every((o) => Math.abs(o.x - spot.x) >= pic.width ||
                               Math.abs(o.y - spot.y) >= pic.height)) {
          apart.push(spot);
        }
      }
      return apart;
    },
  };
})();
