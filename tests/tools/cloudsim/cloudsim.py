#!/usr/bin/env python3
"""The cloud account service of the lab: the signed app-credential handshake, the sign-in
and sign-up pages as plain HTML forms, the redirect to the wizard's loopback listener,
device add and user information.

    cloudsim.py --listen ADDR:PORT [--cert PEM --key KEY] [--record FILE] [--control FILE]

With --cert and --key it speaks HTTPS, else plain HTTP. "ready <port>" is printed once it
listens (port 0 picks a free one).

Requests:
    GET  /oauth/access_token?client_id=&grant_type=app_credential&timestamp=&sig=
         sig must be the MD5 of the path and query before "&sig=" plus the client secret
         (else 401); a time stamp more than 10 minutes off gives 400 {"error":{"timestamp":now}};
         else 200 {"access_token": <app token>}.
    GET  /oauth/authorize?...&state=tolmwizard_signin   302 to /login (the sign-in form), with the state,
         redirect_uri and lang
    GET  /me/user/add_dialog?access_token=<app token>&...&state=tolmwizard_signup   the sign-up form
    POST /login, /signup   form fields email, password; 302 to
         <redirect_uri>?access_token=<user token>&state=<state>&target_site=<this site>
    POST /me/device/add?access_token=<user token>   JSON body {"data":{"mac","olvaris_id","session_id"}}
    GET  /me/user/info?access_token=<user token>    200 {"data":{"email": ...}}
    GET  /openapi/?url                              the API site (--site) as text: a camera's portal
    GET  /session?state=&redirect_uri=              302 to the redirect_uri at once, as for a sign-in of the
         first account of the control file that the service remembers

The control file (JSON, read on every request) holds accounts and answers:
    {"accounts": {"ann@example.test": "secret"},
     "tokens": {"<user token>": "ann@example.test"},
     "deviceAdd": {"status": 400, "body": {"error": {"message": "..."}}},
     "hang": ["/me/device/add"], "huge": ["/me/user/info"], "trickle": {"/me/device/add": 5},
     "authorizeTo": "http://elsewhere/login", "pictures": ["https://www.example.com/logo.png"],
     "frames": ["https://widgets.example.org/tp/frame?do=top&flow={flow}"], "script": "...", "gzip": ["/login"],
     "stateRecord": "<the service's record file>", "once": ["/me/user/add_dialog"],
     "files": {"/tp/huge.png": "<a file>"}, "toData": {"/tp/font": "<a file>"}}
A "body" given as a string is sent as it is. A request for a path in "hang" gets no answer:
the connection stays open for 120 s, then closes; one in "huge" gets 200 and 4 MiB of JSON; one in
"trickle" gets the headers of a 200 and then one byte of its body every so many seconds, for
120 s at least (a path of "files" too: that file, image/png, a byte at a time). "authorizeTo" replaces the sign-in form's address in the authorize redirect;
each of "pictures" is an <img>, each of "frames" an <iframe> under the sign-in and sign-up forms
("{flow}" in their address becomes "in" or "up"), and "script" a script of both; an answer for a
path in "gzip" is sent gzip-compressed. A page of a path in "once" is answered once per address: the same
address asked again gets 404, as a service that takes its tokens back does.

Another host on the sign-in page (any instance answers these, as a third party would):
    GET /tp/picture?flow=in|up   302 to the wizard's redirect address with the token "Tthird" and
         the flow's state: the one in the Referer, else the last one the service sent (read from
         the record file named by "stateRecord": what an attacker who learnt the state could do)
    GET /tp/frame?do=image|top|away&flow=in|up   a page whose script sends that address as a
         picture's, sends the top frame there, or sends the top frame to /tp/away of this host
    GET /tp/same?flow=in|up      302 to the address of the flow's page as the service last sent it
         (the --site, the path and query its record holds for /login or /me/user/add_dialog)
    GET /tp/bounce?to=X[&hops=N] 302 to X; with N above 1, to the same address with N - 1 (N redirects in a row)
    GET /tp/report?...           204: a page script reports what it saw in the query, read from the record
    GET <a path of "files">      200 with that file (image/png)
    GET <a path of "toData">     302 to a data: address holding that file
Every request is recorded as one JSON line:
    {"method", "path", "query": {...}, "contentType", "contentLength", "body", "acceptEncoding", "referer", "status"}
and a failed TLS handshake as {"tls": "failed"}.
"""

import argparse
import base64
import gzip
import hashlib
import html
import http.server
import json
import itertools
import socketserver
import ssl
import sys
import threading
import time
import urllib.parse

CLIENT_ID = "7f4c1e92ab0d4c63b8e5a2f9d61c0b47"
CLIENT_SECRET = "c3a85e10d7f24b9ea61f08c4b2d7e5f6"
TIME_TOLERANCE_S = 600

FORM = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>{title}</title>
<style>body{{font-family:Verdana;margin:16px}} input{{display:block;margin:6px 0 12px;width:260px;font-size:14px}}</style>
</head><body><h3>{title}</h3><p style="color:#c00">{error}</p>
<form method="post" action="{action}">
<input type="hidden" name="state" value="{state}"><input type="hidden" name="redirect_uri" value="{redirect}">
E-mail<input id="email" name="email" type="text" autofocus>
Password<input id="password" name="password" type="password">
<button id="submit" type="submit" value="{button}">{button}</button>
</form>{pictures}{script}</body></html>
"""


class Service:
    def __init__(self, args):
        self.record_path = args.record
        if self.record_path:  # made at once: a missing record means the service never started
            open(self.record_path, "a", encoding="utf-8").close()
        self.control_path = args.control
        self.lock = threading.Lock()
        self.app_tokens = set()
        self.issued = itertools.count(1)  # tokens the same in every run: none decides a check by chance
        self.user_tokens = {}  # token -> e-mail
        self.accounts = {}
        self.site = ""
        self.asked = set()

    def first_ask(self, address):
        with self.lock:
            first = address not in self.asked
            self.asked.add(address)
        return first

    def control(self):
        if not self.control_path:
            return {}
        try:
            with open(self.control_path, encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return {}

    def record(self, entry):
        if not self.record_path:
            return
        with self.lock, open(self.record_path, "a", encoding="utf-8") as f:
            f.write(json.dumps(entry) + "\n")

    def password_of(self, email):
        with self.lock:
            if email in self.accounts:
                return self.accounts[email]
        return self.control().get("accounts", {}).get(email)

    def token(self, kind, of):
        """A token of hexadecimal digits, the next of this service's."""
        return kind + hashlib.sha256(("%s %d" % (of, next(self.issued))).encode()).hexdigest()[:24]

    def new_user_token(self, email):
        with self.lock:
            token = self.token("U", email)
            self.user_tokens[token] = email
        return token


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    service = None

    def log_message(self, fmt, *args):
        pass

    def do_GET(self):
        self.handle_request("GET", b"")

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.handle_request("POST", self.rfile.read(length) if length else b"")

    def handle_request(self, method, body):
        path, _, raw_query = self.path.partition("?")
        query = {k: v[-1] for k, v in urllib.parse.parse_qs(raw_query, keep_blank_values=True).items()}
        entry = {"method": method, "path": path, "query": query, "rawQuery": raw_query,
                 "contentType": self.headers.get("Content-Type", ""),
                 "contentLength": self.headers.get("Content-Length"), "body": body.decode("utf-8", "replace"),
                 "acceptEncoding": self.headers.get("Accept-Encoding", ""),
                 "referer": self.headers.get("Referer", "")}
        self.path_only = path
        routes = {("GET", "/oauth/access_token"): self.access_token, ("GET", "/oauth/authorize"): self.authorize,
                  ("GET", "/login"): self.login_form, ("POST", "/login"): self.login,
                  ("GET", "/me/user/add_dialog"): self.add_dialog, ("POST", "/signup"): self.signup,
                  ("POST", "/me/device/add"): self.device_add, ("GET", "/me/user/info"): self.user_info,
                  ("GET", "/openapi/"): self.openapi, ("GET", "/tp/picture"): self.tp_picture,
                  ("GET", "/tp/frame"): self.tp_frame, ("GET", "/tp/away"): self.tp_away,
                  ("GET", "/tp/bounce"): self.tp_bounce, ("GET", "/tp/same"): self.tp_same,
                  ("GET", "/tp/report"): self.tp_report, ("GET", "/session"): self.session}
        route = routes.get((method, path))
        if method == "GET" and path in self.service.control().get("files", {}):
            route = self.file
        if method == "GET" and path in self.service.control().get("toData", {}):
            route = self.to_data
        if method == "GET" and path in self.service.control().get("once", []) and not self.service.first_ask(self.path):
            route = None
        if path in self.service.control().get("hang", []):
            entry["status"] = "hung"
            self.service.record(entry)
            time.sleep(120)
            self.close_connection = True
            return
        interval = self.service.control().get("trickle", {}).get(path)
        if interval:
            entry["status"] = "trickle"
            self.service.record(entry)
            self.trickle(float(interval))
            return
        if path in self.service.control().get("huge", []):
            entry["status"] = 200
            self.service.record(entry)
            try:
                self.send(200, b'{"data":{"email":"' + b"x" * (4 << 20) + b'"}}')
            except OSError:
                pass  # the wizard stopped reading
            return
        status = route(query, raw_query, body) if route else self.send(404, {"error": {"message": "not found"}})
        entry["status"] = status
        self.service.record(entry)

    # --- answers ---

    def send(self, status, payload, content_type="application/json", headers=None):
        if isinstance(payload, str):
            payload = payload.encode()
        data = payload if isinstance(payload, bytes) else json.dumps(payload).encode()
        if getattr(self, "path_only", None) in self.service.control().get("gzip", []):
            data = gzip.compress(data)
            headers = dict(headers or {}, **{"Content-Encoding": "gzip"})
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Connection", "close")
        for key, value in (headers or {}).items():
            self.send_header(key, value)
        try:
            self.end_headers()
            self.wfile.write(data)
        except OSError:
            pass  # the client stopped reading (a refused picture): what it asked is recorded all the same
        self.close_connection = True
        return status

    def trickle(self, interval):
        body, content_type = b'{"data":{"mac":"%s"}}' % (b" " * int(120 / interval + 1)), "application/json"
        if self.path_only in self.service.control().get("files", {}):
            with open(self.service.control()["files"][self.path_only], "rb") as f:
                body, content_type = f.read(), "image/png"
        self.send_response(200)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.close_connection = True
        try:
            self.wfile.flush()
            for i in range(len(body)):
                self.wfile.write(body[i:i + 1])
                self.wfile.flush()
                time.sleep(interval)
        except OSError:
            pass  # the wizard gave up

    def page(self, title, action, state, redirect, button, error=""):
        control = self.service.control()
        flow = "up" if action == "/signup" else "in"
        pictures = "".join('<img src="%s" width="16" height="16">' % html.escape(url.replace("{flow}", flow))
                           for url in control.get("pictures", []))
        pictures += "".join('<iframe src="%s" width="16" height="16"></iframe>' % html.escape(url.replace("{flow}", flow))
                            for url in control.get("frames", []))
        script = "<script>%s</script>" % control["script"] if control.get("script") else ""
        text = FORM.format(title=title, action=action, state=html.escape(state), redirect=html.escape(redirect),
                           button=button, error=html.escape(error), pictures=pictures, script=script)
        return self.send(200, text.encode(), "text/html; charset=utf-8")

    def to_wizard(self, redirect, token, state):
        location = "%s?access_token=%s&state=%s&target_site=%s" % (
            redirect, token, state, urllib.parse.quote(self.service.site, safe=""))
        return self.send(302, b"", "text/html", {"Location": location})

    # --- routes ---

    def access_token(self, query, raw_query, _body):
        signed, sep, sig = raw_query.rpartition("&sig=")
        expected = hashlib.md5(("/oauth/access_token?" + signed + CLIENT_SECRET).encode()).hexdigest()
        if not sep or sig != expected or query.get("client_id") != CLIENT_ID \
                or query.get("grant_type") != "app_credential":
            return self.send(401, {"error": {"message": "bad signature"}})
        now = int(time.time())
        try:
            stamp = int(query.get("timestamp", ""))
        except ValueError:
            stamp = 0
        if abs(now - stamp) > TIME_TOLERANCE_S:
            return self.send(400, {"error": {"timestamp": now, "message": "time stamp expired"}})
        with self.service.lock:
            token = self.service.token("A", "app")
            self.service.app_tokens.add(token)
        return self.send(200, {"access_token": token})

    def authorize(self, query, _raw, _body):
        if query.get("client_id") != CLIENT_ID or query.get("response_type") != "token":
            return self.send(400, {"error": {"message": "bad authorize request"}})
        target = self.service.control().get("authorizeTo", "/login") + "?" + urllib.parse.urlencode({"state": query.get("state", ""),
                                                     "redirect_uri": query.get("redirect_uri", ""), "lang": query.get("lang", "")})
        return self.send(302, b"", "text/html", {"Location": target})

    def login_form(self, query, _raw, _body):
        return self.page("Sign in to olvaris", "/login", query.get("state", ""), query.get("redirect_uri", ""),
                         "Sign in")

    def login(self, _query, _raw, body):
        form = {k: v[-1] for k, v in urllib.parse.parse_qs(body.decode(), keep_blank_values=True).items()}
        email = form.get("email", "")
        if not email or self.service.password_of(email) != form.get("password"):
            return self.page("Sign in to olvaris", "/login", form.get("state", ""), form.get("redirect_uri", ""),
                             "Sign in", "Wrong e-mail or password.")
        return self.to_wizard(form.get("redirect_uri", ""), self.service.new_user_token(email), form.get("state", ""))

    def add_dialog(self, query, _raw, _body):
        if query.get("access_token") not in self.service.app_tokens:
            return self.send(401, {"error": {"message": "bad app token"}})
        return self.page("Create an olvaris account", "/signup", query.get("state", ""),
                         query.get("redirect_uri", ""), "Sign up")

    def session(self, query, _raw, _body):
        email = next(iter(self.service.control().get("accounts", {})), "")
        return self.to_wizard(query.get("redirect_uri", ""), self.service.new_user_token(email), query.get("state", ""))

    def signup(self, _query, _raw, body):
        form = {k: v[-1] for k, v in urllib.parse.parse_qs(body.decode(), keep_blank_values=True).items()}
        email = form.get("email", "")
        if not email or not form.get("password"):
            return self.page("Create an olvaris account", "/signup", form.get("state", ""),
                             form.get("redirect_uri", ""), "Sign up", "Both fields are needed.")
        with self.service.lock:
            self.service.accounts[email] = form["password"]
        return self.to_wizard(form.get("redirect_uri", ""), self.service.new_user_token(email), form.get("state", ""))

    def user_of(self, query):
        token = query.get("access_token")
        with self.service.lock:
            if token in self.service.user_tokens:
                return self.service.user_tokens[token]
        return self.service.control().get("tokens", {}).get(token)

    def device_add(self, query, _raw, body):
        if self.user_of(query) is None:
            return self.send(401, {"error": {"message": "bad access token"}})
        answer = self.service.control().get("deviceAdd")
        if answer:
            return self.send(int(answer.get("status", 200)), answer.get("body", {}))
        try:
            data = json.loads(body.decode())["data"]
            ok = all(isinstance(data.get(k), str) for k in ("mac", "olvaris_id", "session_id"))
        except (ValueError, KeyError, TypeError, AttributeError):
            ok = False
        if not ok:
            return self.send(400, {"error": {"message": "bad device"}})
        return self.send(200, {"data": {"mac": data["mac"]}})

    def openapi(self, _query, _raw, _body):
        return self.send(200, self.service.site.encode(), "text/plain")

    # --- a third party on the sign-in page ---

    def last_address(self, path):
        """The path and query of the last request for path in the service's record (the "stateRecord"),
        waited for up to 2 s: the service writes a request's line once it has answered it."""
        record = self.service.control().get("stateRecord")
        for _ in range(20):
            try:
                with open(record or "", encoding="utf-8") as f:
                    entries = [json.loads(line) for line in f if line.strip()]
            except (OSError, ValueError):
                entries = []
            queries = [e["rawQuery"] for e in entries if e.get("path") == path and e.get("status") == 200]
            if queries:
                return path + "?" + queries[-1]
            time.sleep(0.1)
        return path

    def leaked_state(self, flow):
        """The flow's state: from the Referer, else the last one the service sent."""
        referer = urllib.parse.urlsplit(self.headers.get("Referer", ""))
        state = urllib.parse.parse_qs(referer.query).get("state", [""])[-1]
        record = self.service.control().get("stateRecord")
        path = "/oauth/authorize" if flow == "in" else "/me/user/add_dialog"
        for _ in range(20):
            if state or not record:
                break
            try:
                with open(record, encoding="utf-8") as f:
                    entries = [json.loads(line) for line in f if line.strip()]
            except (OSError, ValueError):
                entries = []
            states = [e["query"].get("state", "") for e in entries if e.get("path") == path]
            state = states[-1] if states else ""
            if not state:
                time.sleep(0.1)
        return state

    def stolen_redirect(self, query):
        return "http://127.0.0.1:5979/?access_token=Tthird&state=%s" % self.leaked_state(query.get("flow", "in"))

    def tp_picture(self, query, _raw, _body):
        return self.send(302, b"", "text/html", {"Location": self.stolen_redirect(query)})

    def tp_frame(self, query, _raw, _body):
        target = json.dumps(self.stolen_redirect(query))
        scripts = {"image": "new Image().src = %s;" % target, "top": "top.location = %s;" % target,
                   "away": "top.location = 'https://' + location.host + '/tp/away';"}
        text = "<html><body><script>%s</script></body></html>" % scripts.get(query.get("do"), "")
        return self.send(200, text, "text/html; charset=utf-8")

    def tp_bounce(self, query, _raw, _body):
        hops = int(query.get("hops", "1"))
        if hops > 1:  # a chain of redirects on this host, the last one to "to"
            again = urllib.parse.urlencode(dict(query, hops=hops - 1))
            return self.send(302, b"", "text/html", {"Location": "/tp/bounce?" + again})
        return self.send(302, b"", "text/html", {"Location": query.get("to", "/")})

    def tp_same(self, query, _raw, _body):
        page = "/me/user/add_dialog" if query.get("flow") == "up" else "/login"
        return self.send(302, b"", "text/html", {"Location": self.service.site + self.last_address(page)})

    def tp_report(self, _query, _raw, _body):
        self.send_response(204)
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        return 204

    def file(self, _query, _raw, _body):
        with open(self.service.control()["files"][self.path_only], "rb") as f:
            return self.send(200, f.read(), "image/png")

    def to_data(self, _query, _raw, _body):
        with open(self.service.control()["toData"][self.path_only], "rb") as f:
            location = "data:application/octet-stream;base64," + base64.b64encode(f.read()).decode()
        return self.send(302, b"", "text/html", {"Location": location})

    def tp_away(self, _query, _raw, _body):
        return self.send(200, "<html><body><h3>Somewhere else</h3></body></html>", "text/html; charset=utf-8")

    def user_info(self, query, _raw, _body):
        email = self.user_of(query)
        if email is None:
            return self.send(401, {"error": {"message": "bad access token"}})
        return self.send(200, {"data": {"email": email}})


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    context = None

    def server_bind(self):
        # No name lookup of our own address: the lab has no name server.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    def finish_request(self, request, client_address):
        if self.context is not None:
            try:
                request = self.context.wrap_socket(request, server_side=True)
            except (ssl.SSLError, OSError):
                self.RequestHandlerClass.service.record({"tls": "failed"})
                return
        self.RequestHandlerClass(request, client_address, self)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--listen", required=True, help="ADDR:PORT")
    parser.add_argument("--cert", help="certificate (PEM): speak HTTPS")
    parser.add_argument("--key", help="its private key")
    parser.add_argument("--record", help="file that receives one JSON line per request")
    parser.add_argument("--control", help="JSON file with accounts and answers")
    parser.add_argument("--site", default="", help="the target_site value of the redirects")
    args = parser.parse_args(argv)
    host, _, port = args.listen.rpartition(":")
    service = Service(args)
    service.site = args.site
    server = Server((host or "0.0.0.0", int(port)), type("CloudHandler", (Handler,), {"service": service}))
    if args.cert:
        server.context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        server.context.load_cert_chain(args.cert, args.key)
    print("ready", server.server_port, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
