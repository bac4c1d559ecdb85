// SPDX-License-Identifier: MIT
// A static file server for the browser build, on 127.0.0.1 only. It serves
// the folder's regular files and nothing else: no listing, no path outside
// it. A request it cannot answer gets an error status and the server keeps
// serving; a download whose client goes away gives its file back at once.
import { constants, promises as fs } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { pipeline } from 'node:stream';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
};

// The status for a file that could not be opened.
const statusOf = (error) =>
  ({ EACCES: 403, EPERM: 403, ENOENT: 404, ENOTDIR: 404, ELOOP: 404, ENAMETOOLONG: 404 })[
    error.code
  ] || 500;

// The file a request names under the root, or a status when there is none.
function fileOf(root, requestUrl) {
  let name;
  try {
    name = decodeURIComponent(new URL(requestUrl, 'http://127.0.0.1').pathname);
  } catch {
    return { status: 400 };
  }
  if (name.includes('\0')) {
    return { status: 400 };
  }
  const file = path.normalize(path.join(root, name));
  if (file !== root && !file.startsWith(root + path.sep)) {
    return { status: 403 };
  }
  return { file };
}

// Opens without waiting (a FIFO would hold the open for ever) and keeps
// only a regular file; a folder is served by its index.html.
async function openRegular(file) {
  const handle = await fs.open(file, constants.O_RDONLY | constants.O_NONBLOCK);
  try {
    const stat = await handle.stat();
    if (stat.isDirectory()) {
      await handle.close();
      return openRegular(path.join(file, 'index.html'));
    }
    if (!stat.isFile()) {
      await handle.close();
      return { status: 404 };
    }
    return { handle, file, size: stat.size };
  } catch (error) {
    await handle.close();
    throw error;
  }
}

async function answer(root, request, response) {
  const named = fileOf(root, request.url);
  if (!named.file) {
    response.writeHead(named.status).end();
    return;
  }
  let opened;
  try {
    opened = await openRegular(named.file);
  } catch (error) {
    opened = { status: statusOf(error) };
  }
  if (!opened.handle) {
    response.writeHead(opened.status).end();
    return;
  }
  response.writeHead(200, {
    'Content-Type': types[path.extname(opened.file)] || 'application/octet-stream',
    'Content-Length': opened.size,
    'Cache-Control': 'no-cache',
  });
  if (request.method === 'HEAD') {
    await opened.handle.close();
    response.end();
    return;
  }
  // The stream closes the file when it ends, fails or its client goes; a
  // failure once the headers are out can only cut the answer short.
  pipeline(opened.handle.createReadStream(), response, () => {});
}

export function createServer(dir, port = 0) {
  const root = path.resolve(dir);
  const server = http.createServer((request, response) => {
    answer(root, request, response).catch(() => {
      if (response.headersSent) {
        response.destroy();
      } else {
        response.writeHead(500).end();
      }
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}
