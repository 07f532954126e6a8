"""The built site on a free loopback port, served from a thread with the
headers `scripts/run web` serves it with."""
import os
import sys
import threading

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../../app/web/page"))
from serve_site import SiteHandler, site_server  # noqa: E402


class _Handler(SiteHandler):
    hidden = frozenset()
    no_store = True

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path.split("?")[0].lstrip("/")
        self.server.served.append(path)
        self.send_error(404) if path in self.hidden else super().do_GET()

    def end_headers(self):
        # Tests start every visit cold unless the page's own worker keeps a copy.
        if self.no_store:
            self.send_header("Cache-Control", "no-store")
        super().end_headers()


class SiteServer:
    """Serves `site` with the headers of `host` (make_page's host facts); the
    files named in `hidden` answer 404; `served` lists the paths asked for."""

    def __init__(self, site, host, hidden=(), no_store=True):
        handler = type("Handler", (_Handler,), {"hidden": frozenset(hidden), "no_store": no_store})
        self.httpd = site_server(site, host, handler)
        self.httpd.served = self.served = []
        self.httpd.handle_error = lambda request, address: None  # a client that hung up
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
