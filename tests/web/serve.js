'use strict';
// Serves a folder on 127.0.0.1 with the types browsers insist on (.wasm, the manifest).
//   node serve.js <folder> [port] [address]   (port 0: any free one; address: 127.0.0.1 unless
//   given, 0.0.0.0 for every network of the machine). The address served is printed.
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

function serve(folder, port, onListening, address = '127.0.0.1') {
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
  server.listen(port, address, () => onListening(server));
  return server;
}

module.exports = { serve };

if (require.main === module) {
  const [folder, port, address] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.js <folder> [port] [address]');
    process.exit(2);
  }
  serve(folder, Number(port || 8080), (server) => {
    console.log(`serving ${folder} on http://${server.address().address}:${server.address().port}/`);
  }, address);
}
