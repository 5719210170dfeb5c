// A static file server for the web build, on 127.0.0.1 only: for trying the
// page locally and for the browser smoke test. Nothing but GET and HEAD of
// files under the site folder.
//
//   node tools/web/server.mjs SITE_FOLDER [PORT]     (PORT 0: any free one)

import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.css': 'text/css; charset=utf-8',
};

// Resolves with the running server and its address.
export function startServer(site, port = 0) {
  const root = path.resolve(site);
  const server = http.createServer((request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(root, path.normalize(name));
    // Never a file outside the site, whatever the path says.
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.stat(file, (error, stat) => {
      if (error || !stat.isFile()) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        return;
      }
      response.writeHead(200, {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Content-Length': stat.size,
        // A rebuilt game is fetched again, never mixed with a cached part.
        'Cache-Control': 'no-cache',
      });
      if (request.method === 'HEAD') response.end();
      else fs.createReadStream(file).pipe(response);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, port = '8080'] = process.argv.slice(2);
  if (!site || !fs.existsSync(path.join(site, 'index.html'))) {
    console.error(`usage: node server.mjs SITE_FOLDER [PORT]  (${site || 'no folder'} holds no index.html)`);
    process.exit(2);
  }
  startServer(site, Number(port)).then(({ url }) => {
    console.log(`Quindel is served at ${url} (Ctrl+C stops it)`);
  }, (error) => {
    console.error(`cannot serve on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
  });
}
