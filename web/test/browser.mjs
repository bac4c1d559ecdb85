// SPDX-License-Identifier: MIT
// Starts the system's Chromium headless through puppeteer-core, with a
// fresh profile and nothing that reaches beyond the loopback server.
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

export async function launchChromium() {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'corvanel-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-background-timer-throttling',
      '--disable-renderer-backgrounding',
      '--disable-backgrounding-occluded-windows',
      '--mute-audio',
      '--window-size=800,600',
    ],
  });
  const close = async () => {
    await browser.close().catch(() => {});
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
}

// A stand-in gamepad, put in the page before it loads. Like Chromium's, it
// shows itself to the page only once one of its buttons is pressed; the
// test presses and moves it through window.standInPad.
function installStandInPad() {
  const buttons = Array.from({ length: 16 }, () => ({ pressed: false, touched: false, value: 0 }));
  const pad = { id: 'Stand-in pad', index: 0, connected: true, mapping: 'standard',
                axes: [0, 0, 0, 0], buttons, timestamp: 0 };
  let shown = false;
  Object.defineProperty(navigator, 'getGamepads', {
    configurable: true,
    value: () => [shown ? pad : null, null, null, null],
  });
  window.standInPad = {
    button(index, down) {
      Object.assign(buttons[index], { pressed: down, touched: down, value: down ? 1 : 0 });
      pad.timestamp = performance.now();
      if (down && !shown) {
        shown = true;
        const connected = new Event('gamepadconnected');
        connected.gamepad = pad;
        window.dispatchEvent(connected);
      }
    },
    axis(index, value) {
      pad.axes[index] = value;
      pad.timestamp = performance.now();
    },
  };
}

// Counts what the page does with sound: effects started (Web Audio source
// nodes), music started and refused (audio elements), and every audio or
// video element made, however it is made.
function countSound() {
  const sound = { effects: 0, music: 0, refused: 0, elements: 0, sources: [] };
  window.corvanelSound = sound;
  const made = () => { sound.elements += 1; };
  const createElement = Document.prototype.createElement;
  Document.prototype.createElement = function (name, ...rest) {
    if (/^(audio|video)$/i.test(String(name))) {
      made();
    }
    return createElement.call(this, name, ...rest);
  };
  const RealAudio = window.Audio;
  window.Audio = function (...args) {
    made();
    return new RealAudio(...args);
  };
  window.Audio.prototype = RealAudio.prototype;
  const cloneNode = Node.prototype.cloneNode;
  Node.prototype.cloneNode = function (...args) {
    if (this instanceof HTMLMediaElement) {
      made();
    }
    return cloneNode.apply(this, args);
  };
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    sound.effects += 1;
    return start.apply(this, args);
  };
  const play = HTMLMediaElement.prototype.play;
  HTMLMediaElement.prototype.play = function (...args) {
    const result = play.apply(this, args);
    if (!sound.sources.includes(this.src)) {
      sound.sources.push(this.src);
    }
    if (result && result.then) {
      result.then(() => { sound.music += 1; }, () => { sound.refused += 1; });
    }
    return result;
  };
}

// Opens the page and records every console message and page error; with
// { pad: true } the page has a stand-in gamepad (installStandInPad).
export async function openPage(browser, url, { pad = false } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  const log = { lines: [], errors: [] };
  page.on('console', (message) => {
    const text = message.text();
    if (message.type() === 'error') {
      log.errors.push(text);
    } else {
      log.lines.push(text);
    }
  });
  page.on('pageerror', (error) => log.errors.push(String(error)));
  // A sound the page holds in memory (a blob: address) is abandoned, not
  // failed, when the page reloads ("Start again") while the browser still
  // reads it; whether sound plays is checked on its own. Any other failed
  // request is an error.
  page.on('requestfailed', (request) => {
    if (!request.url().startsWith('blob:')) {
      const failure = request.failure();
      log.errors.push(`request failed: ${request.url()} (${failure ? failure.errorText : '?'})`);
    }
  });
  await page.evaluateOnNewDocument(countSound);
  if (pad) {
    await page.evaluateOnNewDocument(installStandInPad);
  }
  await page.goto(url, { waitUntil: 'load' });
  return { page, log };
}
