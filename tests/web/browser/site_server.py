"""The built site on a free loopback port, served from a thread with the
headers `scripts/run web` serves it with, and a recording proxy that stands
for every other origin: the browser sends it whatever is not addressed to
the loopback, so anything it records is a request that left the page's own
origin."""
import functools
import http.server
import os
import sys
import threading

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "../../../app/web/page"))
from serve_site import SiteHandler, page_policy  # noqa: E402


class _Quiet(SiteHandler):
    hidden = frozenset()
    extra = {}  # path: (type, body), pages of the measurements' own
    no_store = True

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path.split("?")[0].lstrip("/")
        self.server.served.append(path)
        if path in self.hidden:
            self.send_error(404)
        elif path in self.extra:
            kind, body = self.extra[path]
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        else:
            super().do_GET()

    def end_headers(self):
        # Tests start every visit cold unless the page's own worker keeps a copy.
        if self.no_store:
            self.send_header("Cache-Control", "no-store")
        super().end_headers()


class _Recorder(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def _refuse(self):
        self.server.seen.append(self.requestline)
        self.send_error(403)

    do_GET = do_POST = do_HEAD = do_CONNECT = _refuse


class _Server:
    def __init__(self, handler):
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def port(self):
        return self.httpd.server_address[1]

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class SiteServer(_Server):
    """Serves `site`; the files named in `hidden` answer 404; `served` lists
    the paths asked for."""

    def __init__(self, site, hidden=(), extra=None, no_store=True):
        handler = type("Handler", (_Quiet,), {
            "hidden": frozenset(hidden), "extra": extra or {}, "no_store": no_store,
            "policy": page_policy(site)})
        super().__init__(functools.partial(handler, directory=site))
        self.httpd.served = []
        self.url = f"http://127.0.0.1:{self.port}/"

    @property
    def served(self):
        return list(self.httpd.served)


class RecordingProxy(_Server):
    def __init__(self):
        super().__init__(_Recorder)
        self.httpd.seen = []
        self.address = f"127.0.0.1:{self.port}"

    @property
    def seen(self):
        return list(self.httpd.seen)
