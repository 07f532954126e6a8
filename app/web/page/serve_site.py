#!/usr/bin/python3
"""Serves the built site on the loopback at a free port, with the page's own
Content-Security-Policy as a header too (and what only a header can say:
no framing), and the module labelled application/wasm for streaming
compilation. Prints the address as its first line, then serves until stopped.
Usage: serve_site.py SITE_DIR
"""
import functools
import http.server
import re
import sys


def page_policy(site):
    with open(f"{site}/index.html", encoding="utf-8") as page:
        found = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"', page.read())
    return found.group(1) if found else "default-src 'self'"


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".woff2": "font/woff2", ".js": "text/javascript"}
    policy = ""

    def end_headers(self):
        self.send_header("Content-Security-Policy", self.policy + "; frame-ancestors 'none'")
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()


def main():
    site = sys.argv[1]
    SiteHandler.policy = page_policy(site)
    handler = functools.partial(SiteHandler, directory=site)
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
