"""The built site on a free loopback port, served from a thread with the
headers `scripts/run web` serves it with."""
import os
import sys
import threading

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../../app/web/page"))
from serve_site import SiteHandler, site_server  # noqa: E402


# What a first script is served as, and the page's first tag that it precedes.
FIRST_SCRIPT, PAGE_SCRIPT = "first-script.js", "<script"


class _Handler(SiteHandler):
    hidden = frozenset()
    no_store = True
    first_script = None

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path.split("?")[0].lstrip("/")
        self.server.served.append(path)
        if path in self.hidden:
            return self.send_error(404)
        if self.first_script and path in ("", "index.html", FIRST_SCRIPT):
            return self.send_first_script(path)
        super().do_GET()

    def send_first_script(self, path):
        """The page with a script of the test's own before the page's, or
        that script."""
        if path == FIRST_SCRIPT:
            body, kind = self.first_script, "text/javascript"
        else:
            tag = f'<script src="{FIRST_SCRIPT}"></script>'
            with open(os.path.join(self.directory, "index.html"), encoding="utf-8") as page:
                body, kind = page.read().replace(PAGE_SCRIPT, tag + PAGE_SCRIPT, 1), "text/html"
        body = body.encode()
        self.send_response(200)
        self.send_header("Content-Type", kind + "; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def end_headers(self):
        # Tests start every visit cold unless the page's own worker keeps a copy.
        if self.no_store:
            self.send_header("Cache-Control", "no-store")
        super().end_headers()


class SiteServer:
    """Serves `site` with the headers of `host` (make_page's host facts); the
    files named in `hidden` answer 404; a `first_script` runs before the
    page's own; `served` lists the paths asked for."""

    def __init__(self, site, host, hidden=(), no_store=True, first_script=None):
        handler = type("Handler", (_Handler,), {"hidden": frozenset(hidden), "no_store": no_store,
                                                "first_script": first_script})
        self.httpd = site_server(site, host, handler)
        self.httpd.served = self.served = []
        self.httpd.handle_error = lambda request, address: None  # a client that hung up
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
