#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Serves the browser build's folder on the loopback address only:
//   node web/serve.mjs [--dir build-web/site] [--port 8640]
import { createServer } from './test/static-server.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 && at + 1 < args.length ? args[at + 1] : fallback;
};
const dir = option('--dir', 'build-web/site');
const port = Number(option('--port', '8640'));

let server;
try {
  server = await createServer(dir, port);
} catch (error) {
  console.error(`cannot serve on 127.0.0.1:${port}: ${error.message}`);
  process.exit(1);
}
console.log(`Corvanel in the browser: open http://127.0.0.1:${server.address().port}/`);
console.log('(Ctrl-C stops the server)');
