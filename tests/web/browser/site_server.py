"""The built site on a free loopback port, served from a thread, and a
recording proxy that stands for every other origin: the browser sends it
whatever is not addressed to the loopback, so anything it records is a
request that left the page's own origin."""
import functools
import http.server
import threading


class _Quiet(http.server.SimpleHTTPRequestHandler):
    hidden = frozenset()

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path.split("?")[0].lstrip("/") in self.hidden:
            self.send_error(404)
            return
        super().do_GET()

    def end_headers(self):
        # Every visit starts cold unless the page's own worker keeps a copy.
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
    """Serves `site`; the files named in `hidden` answer 404."""

    def __init__(self, site, hidden=()):
        handler = type("Handler", (_Quiet,), {"hidden": frozenset(hidden)})
        super().__init__(functools.partial(handler, directory=site))
        self.url = f"http://127.0.0.1:{self.port}/"


class RecordingProxy(_Server):
    def __init__(self):
        super().__init__(_Recorder)
        self.httpd.seen = []
        self.address = f"127.0.0.1:{self.port}"

    @property
    def seen(self):
        return list(self.httpd.seen)
