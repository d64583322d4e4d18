#!/usr/bin/env python3
"""The lab's update service: the update description and the installer downloads, over HTTPS.

    updatesim.py serve --data DIR --https ADDR:PORT --cert PEM --key KEY [--control FILE] [--log FILE]
    updatesim.py sprites --catalogue FILE --out DIR

"serve" answers a GET with a file of DIR: the one a rule names with "file", else the one
named by the last path segment, else 404. It reads its rules from the control file on every
request, as netsim.py does (service "update"), and knows netsim's modes (ok, slow, error,
redirect, silent, drop) and two more:

    truncate  bytes (default half)     announce the whole length, send only that many bytes, close
    trickle   chunks, delay (s)        send the body in that many pieces, waiting between them

    {"update": [{"path": "/wizard/", "file": "description.json"},
                {"path": "/files/setup.run", "mode": "truncate", "file": "setup.run"},
                {"path": "/loop/a", "mode": "redirect", "location": "/loop/b"},
                {"path": "/loop/b", "mode": "redirect", "location": "/loop/a"}]}

"sprites" draws the two sprite pictures for a catalogue: cell n of a row holds picture n of
that row's key, in a colour of its own (pictures.colour_of).
"""

import argparse
import json
import os
import ssl
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import netsim  # noqa: E402
import pictures  # noqa: E402

class UpdateHandler(netsim.Handler):
    service = "update"

    def rule(self):
        return self.settings.rule(self.service, self.path.split("?", 1)[0])

    def body(self):
        """The file this request asks for, or None."""
        name = self.rule().get("file") or os.path.basename(self.path.split("?", 1)[0])
        path = os.path.join(self.settings.data, name)
        if not name or not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def do_GET(self):
        rule = self.rule()
        mode = rule.get("mode", "ok")
        if mode not in ("truncate", "trickle"):
            return super().do_GET()
        body = self.body()
        entry = {"service": self.service, "method": "GET", "path": self.path,
                 "host": self.headers.get("Host", ""), "answer": mode}
        if body is None:
            entry["answer"] = str(self.answer(404, b"not found\n", "text/plain"))
            self.settings.record(entry)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        if mode == "truncate":
            self.wfile.write(body[:int(rule.get("bytes", len(body) // 2))])
        else:
            chunks = max(1, int(rule.get("chunks", 5)))
            size = -(-len(body) // chunks)
            for start in range(0, len(body), size):
                self.wfile.write(body[start:start + size])
                self.wfile.flush()
                time.sleep(float(rule.get("delay", 1)))
        self.wfile.flush()
        self.close_connection = True
        self.settings.record(entry)

    def answer_normally(self):
        body = self.body()
        if body is None:
            return self.answer(404, b"not found\n", "text/plain")
        name = self.rule().get("file") or self.path
        return self.answer(200, body, netsim.CONTENT_TYPES.get(os.path.splitext(name)[1], "application/octet-stream"))


class UpdateServer(netsim.TlsServer):
    def handle_error(self, request, client_address):
        # A client that hangs up mid-answer (a redirect loop given up, a program ended) is no fault here.
        if not isinstance(sys.exc_info()[1], (ConnectionError, ssl.SSLError)):
            super().handle_error(request, client_address)


def serve(args):
    settings = netsim.Settings(args)
    UpdateHandler.settings = settings
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    server = UpdateServer(netsim.parse_address(args.https), UpdateHandler, context)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print("ready", flush=True)
    try:
        while True:
            time.sleep(3600)
    except KeyboardInterrupt:
        pass
    finally:
        netsim.stopping.set()
        server.shutdown()
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    run = commands.add_parser("serve", help="run the update service")
    run.add_argument("--data", required=True, help="folder of the files it serves")
    run.add_argument("--https", required=True, help="ADDR:PORT to listen on")
    run.add_argument("--cert", required=True, help="certificate (PEM)")
    run.add_argument("--key", required=True, help="its private key")
    run.add_argument("--control", help="JSON file telling the service how to answer")
    run.add_argument("--log", help="file that receives one JSON line per request")
    sprites = commands.add_parser("sprites", help="draw the two sprites of a catalogue")
    sprites.add_argument("--catalogue", required=True, help="catalogue JSON file")
    sprites.add_argument("--out", required=True, help="folder for the two pictures")
    args = parser.parse_args(argv)
    if args.command == "sprites":
        with open(args.catalogue, encoding="utf-8") as f:
            pictures.draw_sprites(json.load(f), args.out)
        return 0
    return serve(args)


if __name__ == "__main__":
    sys.exit(main())
