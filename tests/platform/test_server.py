#!/usr/bin/env python3
"""A small web server for the image download tests.

Usage: test_server.py FOLDER [CERT KEY]
Binds 127.0.0.1 on a free port, prints the port on the first line of its
output and serves until it is terminated. With CERT and KEY it speaks TLS.

  /files/NAME      the file FOLDER/NAME (query ignored), 404 when missing
  /stream/NAME     the same file without a Content-Length header
  /redirect/N/NAME N redirects, then /files/NAME
  /loop            redirects to itself forever
  /status/CODE     an empty answer with that status
  /slow/NAME       headers and a few bytes, then nothing more
"""
import http.server
import os
import ssl
import sys
import time
import urllib.parse

FOLDER = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def file_bytes(self, name):
        path = os.path.join(FOLDER, os.path.basename(name))
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def answer(self, status, body=b"", length=True, headers=()):
        self.send_response(status)
        for key, value in headers:
            self.send_header(key, value)
        if length:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        parts = path.strip("/").split("/")
        kind = parts[0]
        if kind in ("files", "stream", "slow") and len(parts) == 2:
            body = self.file_bytes(parts[1])
            if body is None:
                return self.answer(404, b"missing")
            if kind == "slow":
                self.answer(200, body[:4], length=False)
                self.wfile.flush()
                time.sleep(120)
                return
            return self.answer(200, body, length=(kind == "files"))
        if kind == "redirect" and len(parts) == 3:
            count = int(parts[1])
            target = "/files/" + parts[2] if count <= 1 else "/redirect/%d/%s" % (count - 1, parts[2])
            return self.answer(302, headers=[("Location", target)])
        if kind == "loop":
            return self.answer(302, headers=[("Location", "/loop")])
        if kind == "status" and len(parts) == 2:
            return self.answer(int(parts[1]), b"status body")
        self.answer(404, b"unknown")


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if len(sys.argv) == 4:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[2], sys.argv[3])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
