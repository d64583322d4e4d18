#!/usr/bin/env python3
"""A camera's HTTPS CGI interface for the tests.

Serves HTTPS with its own self-signed certificate on one address and port, answers the
CGI paths of both dialects (KORVA and T4X) after checking the Basic credential
("admin" and the configured password; 401 otherwise), records every request as one
JSON line, and runs until SIGTERM.

    camcgi.py --bind 127.0.0.1 --port 0 --password secret --record requests.jsonl

With --snapshot-dialect korva (or t4x) the snapshot comes only on that dialect's path; the
other dialect's snapshot path answers 200 with an HTML page, as a camera's web interface
does. --snapshot names the picture to serve (default: snapshot.jpg beside this script).
--serve PATH=SPEC (repeatable) answers one snapshot path otherwise, as a hostile camera: SPEC
"stream:N" streams N bytes without a length and closes, "length:N" announces N bytes and sends
them, anything else is a file to serve.

The first line on standard output is "PORT <n>" once the server listens.
A record line: {"method", "path", "query", "user", "password_ok", "status", "body"}.
"""

import argparse
import base64
import http.server
import json
import os
import shutil
import signal
import socketserver
import ssl
import subprocess
import sys
import tempfile
import threading
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))

# The CGI paths a camera answers, by dialect.
KORVA_PATHS = {
    "/config/datetime.cgi",     # clock, time zone, daylight saving
    "/config/camera_info.cgi",  # camera name (POST)
    "/config/wireless_ap.cgi",  # access point off
    "/image/jpeg.cgi",          # snapshot
}
T4X_PATHS = {
    "/datetime.cgi",            # clock, time zone, daylight saving
    "/system.cgi",              # camera name (POST)
    "/wireless.cgi",            # Wi-Fi key, access point off
    "/image.jpg",               # snapshot
}
SNAPSHOT_PATHS = {"/image/jpeg.cgi", "/image.jpg"}
SNAPSHOT_BY_DIALECT = {"korva": "/image/jpeg.cgi", "t4x": "/image.jpg"}
NOT_A_PICTURE = b"<html><head><title>Camera</title></head><body>Live view</body></html>\n"
USER = "admin"


def make_certificate(folder):
    """A self-signed certificate and key for this run, made with the openssl command."""
    cert = os.path.join(folder, "camcgi.crt")
    key = os.path.join(folder, "camcgi.key")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=camera", "-keyout", key, "-out", cert],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def parse_basic(header):
    """(user, password) of a Basic Authorization header, or (None, None)."""
    if not header or not header.startswith("Basic "):
        return None, None
    try:
        text = base64.b64decode(header[6:].strip(), validate=True).decode("latin-1")
    except ValueError:
        return None, None
    user, sep, password = text.partition(":")
    return (user, password) if sep else (None, None)


class Recorder:
    def __init__(self, path):
        self.lock = threading.Lock()
        self.file = open(path, "a", encoding="utf-8") if path else sys.stdout

    def write(self, entry):
        with self.lock:
            self.file.write(json.dumps(entry, sort_keys=True) + "\n")
            self.file.flush()


class CgiHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "camcgi/1"

    def log_message(self, fmt, *args):  # the record is the log
        pass

    def do_GET(self):
        self.handle_cgi()

    def do_POST(self):
        self.handle_cgi()

    def handle_cgi(self):
        url = urllib.parse.urlsplit(self.path)
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        user, password = parse_basic(self.headers.get("Authorization"))
        password_ok = user == USER and password == self.server.password
        known = url.path in KORVA_PATHS or url.path in T4X_PATHS

        if not known:
            status, content_type, content = 404, "text/plain", b"Not Found\n"
        elif not password_ok:
            status, content_type, content = 401, "text/plain", b"Unauthorized\n"
        elif url.path in SNAPSHOT_PATHS and url.path in self.server.served:
            status, content_type, content = 200, "image/jpeg", self.server.served[url.path]
        elif url.path in SNAPSHOT_PATHS and self.server.snapshot_paths and url.path not in self.server.snapshot_paths:
            status, content_type, content = 200, "text/html", NOT_A_PICTURE
        elif url.path in SNAPSHOT_PATHS:
            status, content_type, content = 200, "image/jpeg", self.server.snapshot
        else:
            status, content_type, content = 200, "text/plain", b"OK\n"

        entry = {"method": self.command, "path": url.path, "query": url.query, "user": user,
                 "password_ok": password_ok, "status": status}
        if self.command == "POST":
            entry["body"] = body.decode("utf-8", "replace")
        self.server.recorder.write(entry)

        self.send_response(status)
        if status == 401:
            self.send_header("WWW-Authenticate", 'Basic realm="camera"')
        self.send_header("Content-Type", content_type)
        if isinstance(content, tuple):
            self.send_flood(*content)
            return
        self.send_header("Content-Length", str(len(content)))
        self.end_headers()
        self.wfile.write(content)

    def send_flood(self, kind, size):
        """size bytes, announced ("length") or closed by the end of the connection ("stream")."""
        self.close_connection = True
        if kind == "length":
            self.send_header("Content-Length", str(size))
        else:
            self.send_header("Connection", "close")
        self.end_headers()
        block = bytes(64 * 1024)
        try:
            for sent in range(0, size, len(block)):
                self.wfile.write(block[:size - sent])
        except (OSError, ValueError):  # the client gave up
            pass


class CgiServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, context, password, recorder, snapshot):
        super().__init__(address, CgiHandler)
        self.context = context
        self.password = password
        self.recorder = recorder
        self.snapshot = snapshot
        self.snapshot_paths = set()
        self.served = {}  # snapshot path -> bytes, or ("stream" | "length", size)

    def server_bind(self):
        # HTTPServer would look its own name up (a DNS query); the address is name enough.
        socketserver.TCPServer.server_bind(self)
        host, port = self.server_address[:2]
        self.server_name = host
        self.server_port = port

    def finish_request(self, request, client_address):
        # The TLS handshake runs in the request's own thread, so one bad client blocks no other.
        try:
            tls = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError):
            return
        try:
            super().finish_request(tls, client_address)
        finally:
            try:
                tls.close()
            except OSError:
                pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bind", default="127.0.0.1", help="address to listen on")
    parser.add_argument("--port", type=int, default=443, help="port; 0 picks a free one")
    parser.add_argument("--password", default="", help="the camera's admin password")
    parser.add_argument("--record", help="JSON lines file of the requests (default: standard output)")
    parser.add_argument("--cert", help="certificate file (default: a new self-signed one)")
    parser.add_argument("--key", help="key file of --cert")
    parser.add_argument("--snapshot", default=os.path.join(HERE, "snapshot.jpg"), help="picture to serve")
    parser.add_argument("--snapshot-dialect", choices=sorted(SNAPSHOT_BY_DIALECT),
                        help="serve the snapshot on this dialect's path only")
    parser.add_argument("--serve", action="append", default=[], metavar="PATH=SPEC",
                        help="a snapshot path's answer: stream:N, length:N or a file")
    args = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="camcgi-")
    try:
        cert, key = (args.cert, args.key) if args.cert else make_certificate(folder)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        with open(args.snapshot, "rb") as f:
            snapshot = f.read()
        server = CgiServer((args.bind, args.port), context, args.password, Recorder(args.record), snapshot)
        if args.snapshot_dialect:
            server.snapshot_paths = {SNAPSHOT_BY_DIALECT[args.snapshot_dialect]}
        for rule in args.serve:
            path, _, spec = rule.partition("=")
            kind, _, size = spec.partition(":")
            if kind in ("stream", "length"):
                server.served[path] = (kind, int(size))
            else:
                with open(spec, "rb") as f:
                    server.served[path] = f.read()
        print("PORT %d" % server.server_address[1], flush=True)

        stop = threading.Event()
        signal.signal(signal.SIGTERM, lambda *_: stop.set())
        thread = threading.Thread(target=server.serve_forever, daemon=True)
        thread.start()
        stop.wait()
        server.shutdown()
        server.server_close()
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
