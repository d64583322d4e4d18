#!/usr/bin/env python3
"""The Internet side of the lab: a plain-HTTP probe site and an HTTPS catalogue server.

    netsim.py --data DIR [--probe ADDR:PORT] [--https ADDR:PORT --cert PEM --key KEY]
              [--control FILE] [--log FILE] [--openapi-site URL]

The probe site answers every GET with 200 and a small page. The catalogue server answers
a GET whose last path segment names a file in DIR with that file (any folder before it,
so "/release/tolmwizard.json" and "/develop/moved/tolmwizard.json" both work), else 404.

With --openapi-site, the HTTPS server also plays the cloud portal: a GET whose path ends in
"/openapi/" (the camera's portal address + "openapi/?url") answers 200 with that URL as body.

How each service answers is read from the control file (JSON) on every request, so a test
can change it while the servers run:

    {"probe": {"mode": "drop"},
     "catalogue": [{"path": "/release/tolmwizard.json", "mode": "redirect", "location": "moved/tolmwizard.json"},
                   {"mode": "ok"}]}

A service takes one rule or a list of rules; the first rule whose "path" (if any) equals
the request path applies. Modes:
    ok                          answer normally (the default)
    slow     delay (s)          wait, then answer normally
    error    status             answer with that status and a short body
    redirect status, location   301 or 302 (default 302) to location, relative or absolute
    silent                      never answer; the connection stays open
    drop                        close the connection without answering
    gzip     inflated           200 with Content-Encoding gzip, whatever the request asked for: that
                                many zero bytes (default 1 GiB) compressed, with its length

Every request is logged to --log as one JSON line:
    {"service": "probe", "method": "GET", "path": "/", "host": "www.example.com", "answer": "200",
     "acceptEncoding": "identity"}
"ready" is printed on standard output once every server listens.
"""

import argparse
import http.server
import json
import os
import socketserver
import ssl
import struct
import sys
import threading
import time
import zlib

PROBE_PAGE = b"<html><body>It works.</body></html>\n"
CONTENT_TYPES = {".json": "application/json", ".png": "image/png"}

stopping = threading.Event()
log_lock = threading.Lock()
gzip_lock = threading.Lock()
gzip_bodies = {}
GZIP_HEADER = b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff"  # deflate, no name, no time
DEFAULT_GZIP_INFLATED = 1 << 30


def _gf2_times(matrix, vector):
    total, column = 0, 0
    while vector:
        if vector & 1:
            total ^= matrix[column]
        vector >>= 1
        column += 1
    return total


def crc32_of_zeros(size):
    """zlib.crc32(bytes(size)), in steps that grow with log(size): the register's run through zero
    bits is a linear map, squared for each bit of size."""
    step = [0xEDB88320] + [1 << i for i in range(31)]  # the register after one zero bit
    for _ in range(3):  # one zero byte
        step = [_gf2_times(step, column) for column in step]
    register = 0xFFFFFFFF
    while size:
        if size & 1:
            register = _gf2_times(step, register)
        step = [_gf2_times(step, column) for column in step]
        size >>= 1
    return register ^ 0xFFFFFFFF


def gzip_of_zeros(size):
    """size zero bytes as gzip, made once per size in milliseconds: a block that a fresh compressor makes
    of 1 MiB and ends with a full flush stands alone, so the body repeats it, then the rest."""
    with gzip_lock:
        if size not in gzip_bodies:
            chunk = 1 << 20
            whole, rest = divmod(size, chunk)
            compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
            block = compressor.compress(bytes(chunk)) + compressor.flush(zlib.Z_FULL_FLUSH)
            compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
            last = compressor.compress(bytes(rest)) + compressor.flush()
            gzip_bodies[size] = b"".join((GZIP_HEADER, block * whole, last,
                                          struct.pack("<II", crc32_of_zeros(size), size & 0xFFFFFFFF)))
        return gzip_bodies[size]


def parse_address(text):
    host, _, port = text.rpartition(":")
    return host or "0.0.0.0", int(port)


class Settings:
    def __init__(self, args):
        self.data = os.path.abspath(args.data)
        self.control = args.control
        self.log = args.log
        if self.log:  # made at once: a missing log means the server never started, not that nothing came
            open(self.log, "a", encoding="utf-8").close()
        self.openapi_site = getattr(args, "openapi_site", None)  # the update service has none

    def rule(self, service, path):
        if not self.control or not os.path.exists(self.control):
            return {"mode": "ok"}
        try:
            with open(self.control, encoding="utf-8") as f:
                control = json.load(f)
        except (OSError, ValueError):
            return {"mode": "ok"}
        rules = control.get(service, {"mode": "ok"})
        if isinstance(rules, dict):
            rules = [rules]
        for rule in rules:
            if "path" not in rule or rule["path"] == path:
                return rule
        return {"mode": "ok"}

    def record(self, entry):
        if not self.log:
            return
        with log_lock, open(self.log, "a", encoding="utf-8") as f:
            f.write(json.dumps(entry) + "\n")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    service = "probe"
    settings = None

    def log_message(self, fmt, *args):
        pass

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        rule = self.settings.rule(self.service, path)
        mode = rule.get("mode", "ok")
        entry = {"service": self.service, "method": "GET", "path": self.path,
                 "host": self.headers.get("Host", ""), "answer": mode,
                 "acceptEncoding": self.headers.get("Accept-Encoding", "")}
        if mode == "silent":
            self.settings.record(entry)
            self.close_connection = True
            stopping.wait()
            return
        if mode == "drop":
            self.settings.record(entry)
            self.close_connection = True
            self.connection.shutdown(2)
            return
        if mode == "slow":
            time.sleep(float(rule.get("delay", 3)))
        if mode == "error":
            status = int(rule.get("status", 500))
            self.answer(status, b"error\n", "text/plain")
        elif mode == "gzip":
            body = gzip_of_zeros(int(rule.get("inflated", DEFAULT_GZIP_INFLATED)))
            try:
                status = self.answer(200, body, "text/html", {"Content-Encoding": "gzip"})
            except OSError:
                status = 200  # the wizard stopped reading
        elif mode == "redirect":
            status = int(rule.get("status", 302))
            self.answer(status, b"", "text/plain", {"Location": rule.get("location", "/")})
        else:
            status = self.answer_normally()
        entry["answer"] = str(status)
        self.settings.record(entry)

    def answer_normally(self):
        if self.service == "probe":
            return self.answer(200, PROBE_PAGE, "text/html")
        if self.settings.openapi_site and self.path.split("?", 1)[0].endswith("/openapi/"):
            return self.answer(200, self.settings.openapi_site.encode(), "text/plain")
        name = os.path.basename(self.path.split("?", 1)[0])
        path = os.path.join(self.settings.data, name)
        if not name or not os.path.isfile(path):
            return self.answer(404, b"not found\n", "text/plain")
        with open(path, "rb") as f:
            body = f.read()
        return self.answer(200, body, CONTENT_TYPES.get(os.path.splitext(name)[1], "application/octet-stream"))

    def answer(self, status, body, content_type, headers=None):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        for key, value in (headers or {}).items():
            self.send_header(key, value)
        self.end_headers()
        self.wfile.write(body)
        self.close_connection = True
        return status


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def server_bind(self):
        # No name lookup of our own address: the lab has no name server.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]


class TlsServer(Server):
    """Handshakes in the request's thread, so a client that rejects the certificate or
    never speaks blocks no one."""

    def __init__(self, address, handler, context):
        self.context = context
        super().__init__(address, handler)

    def finish_request(self, request, client_address):
        try:
            tls = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError) as error:
            self.RequestHandlerClass.settings.record(
                {"service": self.RequestHandlerClass.service, "method": "", "path": "", "host": "",
                 "answer": "tls failed: %s" % error.__class__.__name__})
            return
        self.RequestHandlerClass(tls, client_address, self)


def make_handler(service, settings):
    return type(service.title() + "Handler", (Handler,), {"service": service, "settings": settings})


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", required=True, help="folder of the files the catalogue server serves")
    parser.add_argument("--probe", help="ADDR:PORT of the plain-HTTP probe site")
    parser.add_argument("--https", help="ADDR:PORT of the HTTPS catalogue server")
    parser.add_argument("--cert", help="certificate (PEM) of the HTTPS server")
    parser.add_argument("--key", help="its private key")
    parser.add_argument("--control", help="JSON file telling the services how to answer")
    parser.add_argument("--log", help="file that receives one JSON line per request")
    parser.add_argument("--openapi-site", help="the site the cloud portal's OpenAPI address names")
    args = parser.parse_args(argv)
    if args.https and not (args.cert and args.key):
        parser.error("--https needs --cert and --key")

    settings = Settings(args)
    servers = []
    if args.probe:
        servers.append(Server(parse_address(args.probe), make_handler("probe", settings)))
    if args.https:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        servers.append(TlsServer(parse_address(args.https), make_handler("catalogue", settings), context))
    if not servers:
        parser.error("nothing to serve: give --probe and/or --https")

    gzip_of_zeros(DEFAULT_GZIP_INFLATED)  # made before the first request, which the wizard times
    threads = [threading.Thread(target=s.serve_forever, daemon=True) for s in servers]
    for t in threads:
        t.start()
    print("ready", flush=True)
    try:
        while True:
            time.sleep(3600)
    except KeyboardInterrupt:
        pass
    finally:
        stopping.set()
        for s in servers:
            s.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main())
