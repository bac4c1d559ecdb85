#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// The browser build in headless Chromium, as a player and as the autopilot:
//  1. the title picture is on the canvas; RETURN starts play; the arrows
//     move the ship and G fires, all read back from the canvas; a click on
//     the page's margin leaves the keys with the game, Tab reaches the
//     page's buttons; effects play without an audio element each; nothing
//     is written to the console as an error;
//  2. a gamepad that shows itself only when first pressed, as Chromium's
//     do, starts play from the title, and one that first shows itself
//     during play moves the ship and fires;
//  3. the autopilot flies at real speed for a minute or more, and the
//     evenness of its frames is reported (never checked: it depends on the
//     machine); then its tab is hidden, and nothing moves until it is shown;
//  4. the autopilot flies a whole play-through on virtual time in the page
//     and wins, with every enemy entering where the desktop simulator's
//     autopilot run has it enter.
// node browser-test.mjs --site DIR --native-sim PATH --data DIR
//                       [--only keys|pads|watch|autopilot|bench]
//                       [--seconds N] [--screenshot FILE]
// --only bench runs the autopilot alone on virtual time, then at real speed,
// and prints its figures; --seconds is the real-speed run's length (60).
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { launchChromium, openPage } from './browser.mjs';
import { createServer } from './static-server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 && at + 1 < args.length ? args[at + 1] : fallback;
};
const site = option('--site', 'build-web/site');
const nativeSim = option('--native-sim', 'build/corvanel-sim');
const dataDir = option('--data', 'build/data');
const only = option('--only', '');
const realSeconds = Number(option('--seconds', '60'));
// Where to keep a picture of the page in play, if anywhere.
const screenshot = option('--screenshot', '');

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
let failures = 0;
function check(condition, what) {
  console.log(`${condition ? 'ok  ' : 'FAIL'} ${what}`);
  if (!condition) {
    failures += 1;
  }
}

async function waitFor(what, timeoutMs, test) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await test();
    if (value) {
      return value;
    }
    if (Date.now() > end) {
      throw new Error(`timed out waiting for ${what}`);
    }
    await sleep(100);
  }
}

const Ship = ['/Images/Heros/Corvanel.png', '/Images/Heros/Corvanel_Gauche.png',
              '/Images/Heros/Corvanel_Droite.png'];
const ShipKey = [255, 0, 255];
const Playfield = { left: 138, right: 502, top: 0, bottom: 480 };

async function findShip(page) {
  let best = null;
  for (const picture of Ship) {
    const spots = await page.evaluate(
        (p, k, r) => window.corvanelProbe.find(p, k, r, 0.9), picture, ShipKey,
        { ...Playfield, top: 240 });
    if (spots.length && (!best || spots[0].score > best.score)) {
      best = spots[0];
    }
  }
  return best;
}

async function playWithKeys(browser, url) {
  const { page, log } = await openPage(browser, url);
  await page.addScriptTag({ path: path.join(here, 'canvas-probe.js') });
  await waitFor('the program to start', 60000,
                () => page.evaluate(() => window.corvanelPage.state === 'running'));
  const title = await waitFor('the title picture', 30000, async () => {
    const share = await page.evaluate(
        () => window.corvanelProbe.matchesAt('/Images/Panorama/Titre.png', null, 0, 0));
    return share > 0.999 ? share : 0;
  });
  check(title > 0.999, `the title picture is on the canvas (${(100 * title).toFixed(2)} %)`);
  const canvasLook = () => page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const box = canvas.getBoundingClientRect();
    return {
      width: box.width,
      height: box.height,
      rendering: getComputedStyle(canvas).imageRendering,
      focused: document.activeElement === canvas,
    };
  });
  const small = await canvasLook();
  check(small.focused, 'the canvas has the keyboard');
  check(small.width === 640 && small.height === 480 && small.rendering === 'pixelated',
        `at 800 x 600 the game shows at 1x, ${small.rendering} (${small.width} x ${small.height})`);
  await page.setViewport({ width: 1400, height: 1100 });
  await sleep(300);
  const large = await canvasLook();
  check(large.width === 1280 && large.height === 960,
        `at 1400 x 1100 it shows at 2x (${large.width} x ${large.height})`);
  await page.setViewport({ width: 800, height: 600 });
  await sleep(300);

  await page.keyboard.press('Enter');
  // The loading picture, the 1.5 s lead-in, then the frame over the sides.
  const frame = await waitFor('play to start', 30000, async () => {
    const share = await page.evaluate(() => window.corvanelProbe.matchesAt(
        '/Images/Panorama/Contour.png', [255, 255, 0], 0, 0));
    return share > 0.9 ? share : 0;
  });
  check(true, `RETURN started play: the frame is over the sides (${(100 * frame).toFixed(2)} %)`);
  const start = await waitFor('the ship', 10000, () => findShip(page));
  check(Math.abs(start.x - 306) <= 4 && Math.abs(start.y - 420) <= 4,
        `the ship waits at its start (${start.x}, ${start.y})`);

  // Each key is held until its effect shows on the canvas (or 10 s pass),
  // so that a slow machine only makes the test slower.
  async function holdUntil(key, what, effect) {
    await page.keyboard.down(key);
    try {
      return await waitFor(what, 10000, effect);
    } finally {
      await page.keyboard.up(key);
    }
  }
  const left = await holdUntil('ArrowLeft', 'LEFT to move the ship', async () => {
    const ship = await findShip(page);
    return ship && ship.x < start.x - 30 ? ship : null;
  });
  check(left.x < start.x - 30, `LEFT moved the ship from x ${start.x} to x ${left.x}`);

  const up = await holdUntil('ArrowUp', 'UP to move the ship', async () => {
    const ship = await findShip(page);
    return ship && ship.y < left.y - 20 ? ship : null;
  });
  check(up.y < left.y - 20, `UP moved the ship from y ${left.y} to y ${up.y}`);
  const scrolled = await page.evaluate(() => window.scrollY + document.documentElement.scrollTop);
  check(scrolled === 0, 'the arrows do not scroll the page');

  // Clicks on the page's margin and on its bar leave the keys with the
  // game; Tab still reaches the page's buttons.
  const onCanvas = () => page.evaluate(() => document.activeElement === document.getElementById('canvas'));
  await page.mouse.click(6, 6);
  const bar = await page.evaluate(() => {
    const box = document.getElementById('status').getBoundingClientRect();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  });
  await page.mouse.click(bar.x, bar.y);
  check(await onCanvas(), 'clicks on the margin and on the bar leave the keyboard with the game');
  const right = await holdUntil('ArrowRight', 'RIGHT to move the ship after the clicks', async () => {
    const ship = await findShip(page);
    return ship && ship.x > up.x + 20 ? ship : null;
  });
  check(right.x > up.x + 20, `RIGHT after the clicks moved the ship from x ${up.x} to x ${right.x}`);
  await page.keyboard.press('Tab');
  const tabbedTo = await page.evaluate(() => document.activeElement && document.activeElement.id);
  check(tabbedTo === 'fullscreen', `Tab reaches the page's Full screen button (${tabbedTo})`);
  await page.mouse.click(6, 6);
  check(await onCanvas(), 'a click on the margin gives the keys back to the game');

  const shots = await holdUntil('g', 'G to fire', async () => {
    const found = await page.evaluate(
        (r) => window.corvanelProbe.find('/Images/Heros/Heros_Tir_Bleu.png', [255, 0, 255], r, 0.8),
        { ...Playfield, bottom: right.y + 10 });
    if (found.length >= 3 && screenshot) {
      const jpeg = /\.jpe?g$/.test(screenshot);
      await page.screenshot({ path: screenshot, ...(jpeg ? { quality: 90 } : {}) });
    }
    return found.length >= 3 ? found : null;
  });
  check(shots.length >= 3, `G fires: ${shots.length} shots in flight above the ship`);
  const ahead = shots.filter((s) => Math.abs(s.x + 8 - (right.x + 18)) < 40);
  check(ahead.length >= 1, 'the shots fly up from the ship');

  const sound = await page.evaluate(() => window.corvanelSound);
  // The opening music and the ship's shots at least.
  check(sound.music >= 1 && sound.effects >= 1 && sound.refused === 0,
        `sound plays: music started ${sound.music} time(s), ${sound.effects} effects, ` +
        `${sound.refused} refused`);
  checkNoElementPerEffect(sound);

  // ESC leaves play for the title screen after the music's fade; ESC there
  // quits, and the page says so and offers to start again.
  await page.keyboard.press('Escape');
  await waitFor('the title after ESC', 15000, async () => (await page.evaluate(
      () => window.corvanelProbe.matchesAt('/Images/Panorama/Titre.png', null, 0, 0))) > 0.999);
  check(true, 'ESC in play went back to the title');
  await page.keyboard.press('Escape');
  await waitFor('the quit message', 10000,
                () => page.evaluate(() => window.corvanelPage.state === 'ended'));
  const ended = await page.evaluate(() => ({
    status: window.corvanelPage.exitStatus,
    shown: !document.getElementById('ended').hidden,
    text: document.getElementById('ended-text').textContent,
  }));
  check(ended.status === 0 && ended.shown, `ESC on the title quits: "${ended.text}"`);
  await page.click('#again');
  await waitFor('the title after starting again', 60000, async () => {
    const running = await page.evaluate(() => window.corvanelPage &&
                                              window.corvanelPage.state === 'running');
    if (!running) {
      return false;
    }
    await page.addScriptTag({ path: path.join(here, 'canvas-probe.js') });
    return (await page.evaluate(() => window.corvanelProbe.matchesAt(
        '/Images/Panorama/Titre.png', null, 0, 0))) > 0.999;
  });
  check(true, '"Start again" starts the game again');
  checkConsoleClean(log);
  await page.close();
}

// Effects play through Web Audio: the only audio elements the page may
// make are the two music tracks', once each.
function checkNoElementPerEffect(sound) {
  check(sound.elements <= 2, `${sound.elements} audio element(s) made for ${sound.effects} ` +
        'effects (none per effect; one per music track)');
}

const playHasStarted = async (page) => (await page.evaluate(() => window.corvanelProbe.matchesAt(
    '/Images/Panorama/Contour.png', [255, 255, 0], 0, 0))) > 0.9;

function checkConsoleClean(log) {
  check(log.errors.length === 0, `no errors on the console${log.errors.length ? ':\n  ' +
        log.errors.join('\n  ') : ''}`);
}

// The page with a stand-in pad, once the title screen shows.
async function openAtTitleWithPad(browser, url) {
  const opened = await openPage(browser, url, { pad: true });
  const { page } = opened;
  await page.addScriptTag({ path: path.join(here, 'canvas-probe.js') });
  await waitFor('the title picture', 60000, () => page.evaluate(
      async () => window.corvanelPage.state === 'running' &&
                  (await window.corvanelProbe.matchesAt('/Images/Panorama/Titre.png', null,
                                                        0, 0)) > 0.999));
  return opened;
}

// Holds the pad's stick or button until the canvas shows its effect.
async function padUntil(page, what, action, effect) {
  await page.evaluate(action);
  return waitFor(what, 10000, effect);
}

const shipMoved = (page, test) => async () => {
  const ship = await findShip(page);
  return ship && test(ship) ? ship : null;
};

const shotsAbove = (page, bottom) => async () => {
  const found = await page.evaluate(
      (r) => window.corvanelProbe.find('/Images/Heros/Heros_Tir_Bleu.png', [255, 0, 255], r, 0.8),
      { ...Playfield, bottom });
  return found.length >= 2 ? found : null;
};

// A pad that shows itself on its first press: once on the title screen,
// where that press starts play, and once during play, where it is used
// from then on.
async function playWithPad(browser, url) {
  {
    const { page, log } = await openAtTitleWithPad(browser, url);
    await padUntil(page, 'the pad\'s first press to start play',
                   () => window.standInPad.button(0, true), () => playHasStarted(page));
    check(true, 'the first press of a pad that was not yet shown started play from the title');
    await page.evaluate(() => window.standInPad.button(0, false));
    const start = await waitFor('the ship', 10000, () => findShip(page));
    const moved = await padUntil(page, 'the stick to move the ship',
                                 () => window.standInPad.axis(0, -1),
                                 shipMoved(page, (ship) => ship.x < start.x - 30));
    await page.evaluate(() => window.standInPad.axis(0, 0));
    check(true, `the stick moved the ship from x ${start.x} to x ${moved.x}`);
    const shots = await padUntil(page, 'the pad to fire', () => window.standInPad.button(0, true),
                                 shotsAbove(page, moved.y));
    check(shots.length >= 2, `button 0 fires: ${shots.length} shots in flight`);
    checkConsoleClean(log);
    await page.close();
  }
  {
    const { page, log } = await openAtTitleWithPad(browser, url);
    await page.keyboard.press('Enter');
    await waitFor('play to start', 30000, () => playHasStarted(page));
    const start = await waitFor('the ship', 10000, () => findShip(page));
    // The first press shows the pad, and fires.
    const shots = await padUntil(page, 'a pad shown during play to fire',
                                 () => window.standInPad.button(0, true),
                                 shotsAbove(page, start.y));
    check(shots.length >= 2, `a pad first pressed during play fires: ${shots.length} shots`);
    await page.evaluate(() => window.standInPad.button(0, false));
    const moved = await padUntil(page, 'its stick to move the ship',
                                 () => window.standInPad.axis(1, -1),
                                 shipMoved(page, (ship) => ship.y < start.y - 20));
    check(true, `its stick moved the ship from y ${start.y} to y ${moved.y}`);
    checkConsoleClean(log);
    await page.close();
  }
}

// The autopilot at real speed, with sound, for `seconds` of play: the
// frames' evenness is reported. Then, when `hide` is set, its tab is hidden
// behind another: the game's clock and its frames stand still, the bar says
// why, and play goes on once the tab is shown again.
async function watchAtRealSpeed(browser, url, seconds, hide) {
  const { page, log } = await openPage(browser, url + '?autopilot=watch');
  await waitFor('the program to start', 60000,
                () => page.evaluate(() => window.corvanelPage.state === 'running'));
  // A click allows sound.
  await page.mouse.click(6, 6);
  await waitFor(`${seconds} s of play`, (seconds * 4 + 60) * 1000, () => page.evaluate(
      (s) => window.corvanelPlay && window.corvanelPlay.seconds >= s, seconds));
  const figures = await page.evaluate(() => ({ ...window.corvanelPlay }));
  const line = `real speed, ${figures.seconds.toFixed(1)} s of play: ` +
               `${figures.perSecond.toFixed(2)} frames a second; a minute ` +
               `${figures.overOneRefreshPerMinute.toFixed(1)} frames over 16.7 ms and ` +
               `${figures.overTwoRefreshesPerMinute.toFixed(1)} over 33 ms; ` +
               `worst frame ${figures.worstMs.toFixed(1)} ms`;
  console.log(`     ${line} (load average ${os.loadavg().map((l) => l.toFixed(1)).join(' ')})`);
  const sound = await page.evaluate(() => window.corvanelSound);
  // The ship alone fires several times a second.
  check(sound.effects >= seconds, `${sound.effects} effects played in ${seconds} s`);
  checkNoElementPerEffect(sound);

  if (hide) {
    const other = await browser.newPage();
    await other.bringToFront();
    await waitFor('the tab to be hidden', 10000,
                  () => page.evaluate(() => document.visibilityState === 'hidden'));
    const read = () => page.evaluate(() => ({
      ...window.corvanelPlay,
      ticks: Module.corvanelClock.ticks(),
      bar: document.getElementById('status').textContent,
      now: performance.now(),
    }));
    const hidden = await read();
    // Long enough for dozens of frames, had any run.
    const HiddenMs = 3000;
    await waitFor('the hidden tab to wait', HiddenMs + 10000,
                  async () => (await read()).now - hidden.now >= HiddenMs);
    const later = await read();
    check(later.frame === hidden.frame && later.ticks === hidden.ticks &&
          later.lives === hidden.lives && later.enemies === hidden.enemies,
          `hidden, the game holds: frame ${hidden.frame} -> ${later.frame}, clock ` +
          `${hidden.ticks} -> ${later.ticks} ms, lives ${hidden.lives} -> ${later.lives}, ` +
          `enemies in play ${hidden.enemies} -> ${later.enemies}`);
    check(later.bar === 'Paused while the tab is hidden', `the bar says "${later.bar}"`);
    await page.bringToFront();
    await other.close();
    const shown = await waitFor('play to go on', 10000, async () => {
      const now = await read();
      return now.frame > hidden.frame ? now : null;
    });
    check(shown.frame > hidden.frame && shown.bar !== later.bar,
          `shown again, play goes on from frame ${hidden.frame} (frame ${shown.frame} now), ` +
          `the bar says "${shown.bar}"`);
  }

  await page.keyboard.press('Escape');
  await waitFor('the run to end', 30000,
                () => page.evaluate(() => window.corvanelPage.state === 'ended'));
  const printed = log.lines.find((l) => l.startsWith('real speed:'));
  check(Boolean(printed), `the page printed its figures: ${printed}`);
  checkConsoleClean(log);
  await page.close();
}

// "   368     4.758  enters slot 0 Piaf at (329, -8)": frame, time, event.
const TraceLine = /^\s*(\d+)\s+(\d+\.\d{3})  (.*)$/;

function traceOf(lines) {
  return lines.filter((line) => TraceLine.test(line)).map((line) => line.trimEnd());
}

// Frames whose pictures are compared with the desktop's: the clouds, the
// bursts of RadioZonde, Metroid and Fee, the lava's DarkMetroids and
// Xantum's rays.
const ComparedFrames = [700, 3600, 8600, 12000, 15000, 20500];

function runNative(shots) {
  const screenshots = ComparedFrames.flatMap((frame) =>
      ['--screenshot', `${frame}:${path.join(shots, frame + '.png')}`]);
  return new Promise((resolve, reject) => {
    const child = spawn(path.resolve(nativeSim),
                        ['--pilot', 'auto', '--trace', ...screenshots], {
      cwd: dataDir,
      env: { ...process.env, SDL_VIDEODRIVER: 'dummy', SDL_AUDIODRIVER: 'dummy' },
      stdio: ['ignore', 'pipe', 'inherit'],
    });
    let out = '';
    child.stdout.on('data', (chunk) => { out += chunk; });
    child.on('error', reject);
    child.on('exit', (code) => code === 0 ? resolve(out.split('\n'))
                                          : reject(new Error(`corvanel-sim exit ${code}`)));
  });
}

// The autopilot's play-through alone, for its frame-work figures.
async function benchmark(browser, url) {
  const { page, log } = await openPage(browser, url + '?autopilot=virtual');
  await waitFor('the autopilot to finish', 15 * 60000,
                () => page.evaluate(() => window.corvanelPage.state === 'ended'));
  const from = log.lines.findIndex((line) => line.startsWith('autopilot in the browser'));
  console.log(log.lines.slice(from).join('\n'));
  check(from >= 0, 'the page printed its benchmark');
  await page.close();
}

// How many pixels of the kept frame differ from the desktop's screenshot.
function differingPixels(page, frame, png) {
  return page.evaluate(async (frame, base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const scratch = new OffscreenCanvas(640, 480);
    const context = scratch.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const desktop = context.getImageData(0, 0, 640, 480).data;
    const web = window.corvanelFrames && window.corvanelFrames[frame];
    if (!web || bitmap.width !== 640 || bitmap.height !== 480) {
      return -1;
    }
    let differing = 0;
    for (let i = 0; i < desktop.length; i += 4) {
      if (desktop[i] !== web[i] || desktop[i + 1] !== web[i + 1] ||
          desktop[i + 2] !== web[i + 2]) {
        differing += 1;
      }
    }
    return differing;
  }, frame, png.toString('base64'));
}

async function autopilotOnVirtualTime(browser, url) {
  const shots = mkdtempSync(path.join(os.tmpdir(), 'corvanel-frames-'));
  const native = runNative(shots);
  const { page, log } = await openPage(
      browser, url + '?autopilot=virtual&frames=' + ComparedFrames.join(','));
  await waitFor('the autopilot to finish', 15 * 60000,
                () => page.evaluate(() => window.corvanelPage.state === 'ended'));
  const status = await page.evaluate(() => window.corvanelPage.exitStatus);
  const summary = log.lines.find((line) => line.startsWith('play 1:')) || '(no summary)';
  check(status === 0 && summary.includes('victory'), `the autopilot wins in the page: ${summary}`);
  const bench = log.lines.filter((line) => !TraceLine.test(line));
  console.log(bench.map((line) => '     ' + line).join('\n'));

  const web = traceOf(log.lines);
  const desktop = traceOf(await native);
  const entries = (trace) => trace.map((line) => line.match(TraceLine)[3])
                                  .filter((event) => event.startsWith('enters slot'));
  const webEntries = entries(web);
  const desktopEntries = entries(desktop);
  check(webEntries.length > 400, `${webEntries.length} enemies entered in the page`);
  const firstOther = desktopEntries.findIndex((line, i) => webEntries[i] !== line);
  check(firstOther === -1 && webEntries.length === desktopEntries.length,
        firstOther === -1 ? `every enemy entered where it does on Linux (${webEntries[0]})`
                          : `entry ${firstOther} differs: page "${webEntries[firstOther]}", ` +
                            `Linux "${desktopEntries[firstOther]}"`);
  const firstDiff = desktop.findIndex((line, i) => web[i] !== line);
  check(firstDiff === -1 && web.length === desktop.length,
        firstDiff === -1 ? `the whole trace, ${web.length} lines, is the Linux one`
                         : `the traces part at line ${firstDiff}: page "${web[firstDiff]}", ` +
                           `Linux "${desktop[firstDiff]}"`);
  for (const frame of ComparedFrames) {
    const differing = await differingPixels(
        page, frame, readFileSync(path.join(shots, frame + '.png')));
    check(differing === 0, `frame ${frame} on the canvas is the desktop's picture, pixel for ` +
          `pixel (${differing} of 307200 differ)`);
  }
  rmSync(shots, { recursive: true, force: true });
  checkConsoleClean(log);
  await page.close();
}

const server = await createServer(site, 0);
const url = `http://127.0.0.1:${server.address().port}/`;
const { browser, close } = await launchChromium();
try {
  if (only === 'bench') {
    await benchmark(browser, url);
    await watchAtRealSpeed(browser, url, realSeconds, false);
  } else {
    if (!only || only === 'keys') {
      await playWithKeys(browser, url);
    }
    if (!only || only === 'pads') {
      await playWithPad(browser, url);
    }
    if (!only || only === 'watch') {
      await watchAtRealSpeed(browser, url, realSeconds, true);
    }
    if (!only || only === 'autopilot') {
      await autopilotOnVirtualTime(browser, url);
    }
  }
} catch (error) {
  console.log(`FAIL ${error.message}`);
  failures += 1;
} finally {
  await close();
  server.close();
}
console.log(failures ? `${failures} check(s) failed` : 'all browser checks passed');
process.exit(failures ? 1 : 0);
