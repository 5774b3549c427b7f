'use strict';
// Serves a folder on 127.0.0.1 with the types browsers insist on (.wasm, the manifest).
//   node serve.js <folder> <port>     (port 0: any free one, printed on the first line)
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

function serve(folder, port, onListening) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404).end('not found');
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(bytes);
    });
  });
  server.listen(port, '127.0.0.1', () => onListening(server));
  return server;
}

module.exports = { serve };

if (require.main === module) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.js <folder> [port]');
    process.exit(2);
  }
  serve(folder, Number(port || 8080), (server) => {
    console.log(`http://127.0.0.1:${server.address().port}/`);
  });
}
