#!/usr/bin/python3
"""Serves the built site on the loopback at a free port, with the
Content-Security-Policy header make_page wrote for it in HOST_FILE, and the
module labelled application/wasm for streaming compilation. Prints the
address as its first line, then serves until stopped.
Usage: serve_site.py SITE_DIR HOST_FILE
"""
import functools
import http.server
import json
import sys


def host_facts(host_file):
    """What make_page wrote for the site's hosts: the policy, the window."""
    with open(host_file, encoding="utf-8") as facts:
        return json.load(facts)


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".woff2": "font/woff2", ".js": "text/javascript"}
    policy = None

    def end_headers(self):
        self.send_header("Content-Security-Policy", self.policy)
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()


def site_server(site, host_file, handler=SiteHandler):
    """A server of the site on a free loopback port; not yet serving."""
    handler = type("Handler", (handler,), {"policy": host_facts(host_file)["policy"]})
    return http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                           functools.partial(handler, directory=site))


def main():
    with site_server(*sys.argv[1:3]) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
