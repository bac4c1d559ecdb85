#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// The browser build's file server (web/serve.mjs) against requests that
// once ended it or wore it down: a file it may not read, a folder named
// index.html, a FIFO, downloads the browser abandons, and paths that try
// to leave the site's folder. The server runs as a program of its own on a
// loopback port, over a scratch folder made here; every request is bounded
// in count and in time, and the test stops the server itself.
//   node web/test/server-test.mjs
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const serveScript = path.join(here, '..', 'serve.mjs');
// Every request waits this long at most, and the whole test four times it.
const RequestMs = 10000;
const Secret = 'outside the site';

let failures = 0;
const check = (ok, what) => {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) {
    failures += 1;
  }
};

// The scratch folder: the site inside it, a secret beside it.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'corvanel-serve-'));
const site = path.join(scratch, 'site');
fs.mkdirSync(site);
fs.writeFileSync(path.join(scratch, 'secret.txt'), Secret);
fs.writeFileSync(path.join(site, 'index.html'), '<title>Corvanel</title>');
fs.writeFileSync(path.join(site, 'locked.js'), 'not for the server');
fs.chmodSync(path.join(site, 'locked.js'), 0o000);
fs.mkdirSync(path.join(site, 'folder', 'index.html'), { recursive: true });
fs.mkdirSync(path.join(site, 'nested'));
fs.writeFileSync(path.join(site, 'nested', 'index.html'), 'nested page');
execFileSync('mkfifo', [path.join(site, 'pipe.data')]);
// Larger than what the loopback's socket buffers take in, so that an
// abandoned download is still being sent when its client goes; sparse, so
// it costs no disk.
const bigSize = 64 * 1024 * 1024;
fs.writeFileSync(path.join(site, 'big.data'), '');
fs.truncateSync(path.join(site, 'big.data'), bigSize);
// The server runs as an ordinary user, for whom a file of mode 000 cannot
// be read; the superuser could read it.
const asRoot = process.getuid() === 0;
if (asRoot) {
  for (const entry of [scratch, site, path.join(site, 'folder'), path.join(site, 'nested')]) {
    fs.chmodSync(entry, 0o755);
  }
}

const server = spawn(process.execPath, [serveScript, '--dir', site, '--port', '0'], {
  stdio: ['ignore', 'pipe', 'inherit'],
  ...(asRoot ? { uid: 65534, gid: 65534 } : {}),
});
let serverGone = false;
server.on('exit', () => {
  serverGone = true;
});
const giveUp = setTimeout(() => {
  console.log('FAIL the test did not finish in time');
  finish(1);
}, 4 * RequestMs);
giveUp.unref();

function finish(code) {
  if (!serverGone) {
    server.kill();
  }
  fs.chmodSync(path.join(site, 'locked.js'), 0o644);
  fs.rmSync(scratch, { recursive: true, force: true });
  process.exit(code);
}

// The port, from the server's first line.
const port = await new Promise((resolve, reject) => {
  let said = '';
  server.stdout.on('data', (chunk) => {
    said += chunk;
    const found = said.match(/127\.0\.0\.1:(\d+)/);
    if (found) {
      resolve(Number(found[1]));
    }
  });
  server.on('exit', () => reject(new Error(`the server ended before it listened: ${said}`)));
});

// One request written by hand, so that the path goes out exactly as given:
// the status code and the body, or 0 when no answer came.
function request(target, method = 'GET') {
  return new Promise((resolve) => {
    const socket = net.connect(port, '127.0.0.1');
    const chunks = [];
    const done = () => {
      socket.destroy();
      const text = Buffer.concat(chunks).toString('latin1');
      const status = text.match(/^HTTP\/1\.1 (\d{3})/);
      const body = text.split('\r\n\r\n').slice(1).join('\r\n\r\n');
      resolve({ status: status ? Number(status[1]) : 0, body });
    };
    socket.setTimeout(RequestMs, done);
    socket.on('data', (chunk) => {
      chunks.push(chunk);
    });
    socket.on('end', done);
    socket.on('error', done);
    socket.write(`${method} ${target} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n`);
  });
}

// Starts a download and drops it once the answer has begun, as a reload or
// a closed tab does.
function abandon(target) {
  return new Promise((resolve) => {
    const socket = net.connect(port, '127.0.0.1');
    socket.setTimeout(RequestMs, () => {
      socket.destroy();
      resolve(false);
    });
    socket.once('data', () => {
      socket.resetAndDestroy();
      resolve(true);
    });
    socket.on('error', () => resolve(false));
    socket.write(`GET ${target} HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n`);
  });
}

// The server's open descriptors; none to count once it has ended.
const openFiles = () => {
  try {
    return fs.readdirSync(`/proc/${server.pid}/fd`).length;
  } catch {
    return Infinity;
  }
};

// Files it may not serve: an error status each, and it keeps serving.
const refusals = [
  ['/locked.js', 403, 'a file it may not read'],
  ['/folder/index.html', 404, 'a folder named index.html'],
  ['/folder/', 404, 'a folder whose index.html is a folder'],
  ['/pipe.data', 404, 'a FIFO'],
  ['/missing.js', 404, 'a missing file'],
  ['/%E0%A4%A', 400, 'a path that does not decode'],
];
for (const [target, status, what] of refusals) {
  const answer = await request(target);
  check(answer.status === status, `${what}: ${target} answers ${answer.status}, wanted ${status}`);
  const after = await request('/');
  check(after.status === 200 && after.body.includes('Corvanel'), `  and the server still serves /`);
}
const nested = await request('/nested/');
check(nested.status === 200 && nested.body === 'nested page', 'a folder serves its index.html');
const head = await request('/big.data', 'HEAD');
check(head.status === 200 && head.body === '', 'HEAD answers without a body');

// Abandoned downloads give their files back.
const AbandonedDownloads = 40;
await request('/');
const before = openFiles();
let begun = 0;
for (let i = 0; i < AbandonedDownloads; ++i) {
  begun += (await abandon('/big.data')) ? 1 : 0;
}
check(begun === AbandonedDownloads, `${begun} of ${AbandonedDownloads} downloads began`);
// The server closes each file when it sees its client gone; a few more
// requests give it the turns to see them all.
let after = openFiles();
for (let turn = 0; turn < 50 && after > before + 2; ++turn) {
  await request('/');
  after = openFiles();
}
check(after <= before + 2, `open files: ${before} before the abandoned downloads, ${after} after`);
const whole = await request('/big.data');
check(whole.status === 200 && whole.body.length === bigSize, 'a whole download arrives whole');

// Paths that try to leave the site's folder.
const traversals = [
  '/../secret.txt',
  '/nested/../../secret.txt',
  '/%2e%2e/secret.txt',
  '/%2E%2E/secret.txt',
  '/..%2fsecret.txt',
  '/%2e%2e%2fsecret.txt',
  '/nested/..%2f..%2fsecret.txt',
  '/..\\secret.txt',
  '/..%5csecret.txt',
  '/%2e%2e%5csecret.txt',
  '//../secret.txt',
  `/${path.join(scratch, 'secret.txt')}`,
  `/%2f${path.join(scratch, 'secret.txt').slice(1)}`,
  `http://127.0.0.1/../secret.txt`,
  `http://127.0.0.1/%2e%2e/secret.txt`,
  `file://${path.join(scratch, 'secret.txt')}`,
];
for (const target of traversals) {
  const answer = await request(target);
  check(
    answer.status >= 400 && !answer.body.includes(Secret),
    `${target} answers ${answer.status} without the file outside`,
  );
}
const last = await request('/');
check(last.status === 200 && !serverGone, 'the server still runs at the end');

console.log(failures === 0 ? 'the file server held' : `${failures} checks failed`);
finish(failures === 0 ? 0 : 1);
