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

// Opens the page and records every console message and page error.
export async function openPage(browser, url) {
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
  // Counts the sounds the page starts and those the browser refuses.
  await page.evaluateOnNewDocument(() => {
    window.corvanelSound = { started: 0, refused: 0, sources: [] };
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function (...args) {
      const result = play.apply(this, args);
      const sound = window.corvanelSound;
      if (!sound.sources.includes(this.src)) {
        sound.sources.push(this.src);
      }
      if (result && result.then) {
        result.then(() => { window.corvanelSound.started += 1; },
                    () => { window.corvanelSound.refused += 1; });
      }
      return result;
    };
  });
  await page.goto(url, { waitUntil: 'load' });
  return { page, log };
}
