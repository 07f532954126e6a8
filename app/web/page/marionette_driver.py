#!/usr/bin/python3
"""A WebDriver server for Debian's Firefox ESR, which Debian ships without
geckodriver: it starts Firefox with its own automation protocol, Marionette,
and hands each WebDriver request over as the Marionette command of the same
meaning, so that Selenium drives Firefox as it drives the other engines.
Started by Selenium in geckodriver's place: --port PORT (the rest is ignored).
The session's capabilities name the binary and its arguments
(moz:firefoxOptions); Firefox gets a fresh profile and ends with the session."""
import http.server
import json
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

# WebDriver's method and path (after /session/ID) to Marionette's command and
# the parameters the path names. Other parameters come from the request's body.
ROUTES = [
    ("POST", "/timeouts", "WebDriver:SetTimeouts", ()),
    ("POST", "/url", "WebDriver:Navigate", ()),
    ("GET", "/url", "WebDriver:GetCurrentURL", ()),
    ("GET", "/title", "WebDriver:GetTitle", ()),
    ("POST", "/refresh", "WebDriver:Refresh", ()),
    ("GET", "/window", "WebDriver:GetWindowHandle", ()),
    ("GET", "/window/rect", "WebDriver:GetWindowRect", ()),
    ("POST", "/window/rect", "WebDriver:SetWindowRect", ()),
    ("POST", "/element", "WebDriver:FindElement", ()),
    ("POST", "/elements", "WebDriver:FindElements", ()),
    ("GET", "/element/active", "WebDriver:GetActiveElement", ()),
    ("POST", "/element/{id}/element", "WebDriver:FindElement", ("element",)),
    ("POST", "/element/{id}/elements", "WebDriver:FindElements", ("element",)),
    ("POST", "/element/{id}/click", "WebDriver:ElementClick", ("id",)),
    ("POST", "/element/{id}/value", "WebDriver:ElementSendKeys", ("id",)),
    ("GET", "/element/{id}/rect", "WebDriver:GetElementRect", ("id",)),
    ("GET", "/element/{id}/text", "WebDriver:GetElementText", ("id",)),
    ("GET", "/element/{id}/name", "WebDriver:GetElementTagName", ("id",)),
    ("GET", "/element/{id}/attribute/{name}", "WebDriver:GetElementAttribute", ("id", "name")),
    ("GET", "/element/{id}/property/{name}", "WebDriver:GetElementProperty", ("id", "name")),
    ("GET", "/element/{id}/css/{name}", "WebDriver:GetElementCSSValue", ("id", "propertyName")),
    ("GET", "/element/{id}/enabled", "WebDriver:IsElementEnabled", ("id",)),
    ("GET", "/element/{id}/displayed", "WebDriver:IsElementDisplayed", ("id",)),
    ("GET", "/element/{id}/computedrole", "WebDriver:GetComputedRole", ("id",)),
    ("GET", "/element/{id}/computedlabel", "WebDriver:GetComputedLabel", ("id",)),
    ("GET", "/element/{id}/screenshot", "WebDriver:TakeScreenshot", ("id",)),
    ("POST", "/execute/sync", "WebDriver:ExecuteScript", ()),
    ("POST", "/execute/async", "WebDriver:ExecuteAsyncScript", ()),
    ("POST", "/actions", "WebDriver:PerformActions", ()),
    ("DELETE", "/actions", "WebDriver:ReleaseActions", ()),
    ("GET", "/screenshot", "WebDriver:TakeScreenshot", ()),
]
PATTERNS = [(method, re.compile("^" + re.sub(r"\{\w+\}", "([^/]+)", path) + "$"), command, names)
            for method, path, command, names in ROUTES]
# Firefox's own toolbars hidden, so that its window can be as narrow as a
# phone's screen (they hold it at 450 px or more).
NO_TOOLBARS = "#navigator-toolbox { display: none !important; } :root { min-width: 0 !important; }"
# Firefox writes the port it listens on here once Marionette is up.
PORT_FILE = "MarionetteActivePort"


class Marionette:
    """Firefox in a fresh profile and one connection to its Marionette."""

    def __init__(self, firefox_options):
        self.profile = tempfile.mkdtemp(prefix="quorvel-firefox-")
        os.mkdir(os.path.join(self.profile, "chrome"))
        with open(os.path.join(self.profile, "chrome", "userChrome.css"), "w") as chrome:
            chrome.write(NO_TOOLBARS)
        prefs = {"marionette.port": 0, "toolkit.legacyUserProfileCustomizations.stylesheets": True,
                 **firefox_options.get("prefs", {})}
        with open(os.path.join(self.profile, "user.js"), "w") as prefs_file:
            for name, value in prefs.items():
                prefs_file.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            [firefox_options.get("binary", "firefox-esr"), "-marionette", "-no-remote",
             "-profile", self.profile, *firefox_options.get("args", [])],
            stdout=sys.stderr, start_new_session=True)
        port_file = os.path.join(self.profile, PORT_FILE)
        for _ in range(300):
            if os.path.exists(port_file) and open(port_file).read().strip():
                break
            time.sleep(0.1)
        try:
            self.socket = socket.create_connection(("127.0.0.1", int(open(port_file).read())))
        except OSError:
            self.close()
            raise
        self.pending, self.last_id = b"", 0
        self.receive()  # the greeting

    def receive(self):
        """One length-prefixed JSON packet."""
        while b":" not in self.pending:
            self.pending += self.socket.recv(1 << 16)
        length, self.pending = self.pending.split(b":", 1)
        while len(self.pending) < int(length):
            self.pending += self.socket.recv(1 << 16)
        packet, self.pending = self.pending[:int(length)], self.pending[int(length):]
        return json.loads(packet)

    def command(self, name, parameters):
        """Marionette's error, or None, and its result."""
        self.last_id += 1
        packet = json.dumps([0, self.last_id, name, parameters]).encode()
        self.socket.sendall(str(len(packet)).encode() + b":" + packet)
        while True:
            kind, reply_id, error, result = self.receive()
            if kind == 1 and reply_id == self.last_id:
                return error, result

    def close(self):
        try:
            self.command("Marionette:Quit", {"flags": ["eForceQuit"]})
            self.process.wait(10)
        except (OSError, ValueError, AttributeError, subprocess.TimeoutExpired):
            if self.process.poll() is None:
                os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    firefox = None

    def log_message(self, *args):
        pass

    def reply(self, status, value):
        body = json.dumps({"value": value}).encode()
        self.send_response(status)
        self.send_header("Content-Type", "application/json; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def answer(self, error, result):
        if error:
            self.reply(404 if "no such" in error["error"] else 500, error)
        else:  # Marionette wraps plain values in {"value": ...}
            self.reply(200, result["value"] if isinstance(result, dict) and list(result) == [
                "value"] else result)

    def handle_method(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = json.loads(self.rfile.read(length) or b"{}")
        path = self.path.rstrip("/")
        if path == "/status":
            return self.reply(200, {"ready": Handler.firefox is None, "message": ""})
        if path == "/session" and self.command == "POST":
            return self.new_session(body["capabilities"]["alwaysMatch"])
        session = re.match(r"^/session/[^/]+", path)
        rest = path[session.end():] if session else path
        if not rest and self.command == "DELETE":
            Handler.firefox and Handler.firefox.close()
            Handler.firefox = None
            return self.reply(200, None)
        for method, pattern, command, names in PATTERNS:
            match = pattern.match(rest)
            if session and method == self.command and match:
                return self.answer(*Handler.firefox.command(command, {
                    **body, **dict(zip(names, match.groups()))}))
        self.reply(404, {"error": "unknown command", "message": f"{self.command} {path}",
                         "stacktrace": ""})

    def new_session(self, capabilities):
        options = capabilities.pop("moz:firefoxOptions", {})
        try:
            Handler.firefox = Marionette(options)
        except OSError as error:  # no binary, or no Marionette port within 30 s
            return self.reply(500, {"error": "session not created", "stacktrace": "",
                                    "message": f"Firefox did not start: {error}"})
        self.answer(*Handler.firefox.command("WebDriver:NewSession", capabilities))

    do_GET = do_POST = do_DELETE = handle_method


def main():
    port = int(sys.argv[sys.argv.index("--port") + 1])
    server = http.server.HTTPServer(("127.0.0.1", port), Handler)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        server.serve_forever()
    finally:
        Handler.firefox and Handler.firefox.close()


if __name__ == "__main__":
    main()
