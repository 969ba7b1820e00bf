#!/usr/bin/env python3
"""Serves the site on this computer only, as a school's web server would: each file with
its type, the .wasm as application/wasm, and the brotli or gzip copy beside a file where
the browser takes it.
    serve.py SITE [PORT]      (0 picks a free port; the port is printed once listening)"""
import http.server
import os
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map, **{
        ".wasm": "application/wasm", ".js": "text/javascript", ".webmanifest": "application/manifest+json",
        ".svg": "image/svg+xml", ".html": "text/html; charset=utf-8", ".txt": "text/plain; charset=utf-8",
    })

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        accepted = self.headers.get("Accept-Encoding", "")
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
            if encoding not in accepted or not os.path.isfile(path + suffix):
                continue
            try:
                body = open(path + suffix, "rb")
            except OSError:
                break
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(path))
            self.send_header("Content-Encoding", encoding)
            self.send_header("Content-Length", str(os.fstat(body.fileno()).st_size))
            self.send_header("Vary", "Accept-Encoding")
            self.end_headers()
            return body
        return super().send_head()

    def log_message(self, *args):
        if os.environ.get("KRAFTFELD_SERVE_LOG"):
            super().log_message(*args)


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    handler = lambda *a, **k: SiteHandler(*a, directory=site, **k)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
