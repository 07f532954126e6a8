#!/usr/bin/env python3
"""Names the page's stylesheet in its Content-Security-Policy by its hash:
make_page writes the policy with an empty hash-source ('sha256-'), in the
page and in what a server of the site sends; this writes into both the
Base64 of the SHA-256 of the page's <style> element, as the browser hashes it.

Usage: fill_style_hash.py INDEX_HTML HOST_FILE
"""
import base64
import hashlib
import re
import sys

EMPTY = b"'sha256-'"


def main(index_path, host_path):
    with open(index_path, "rb") as page:
        stylesheet = re.search(rb"<style>(.*?)</style>", page.read(), re.S).group(1)
    digest = base64.b64encode(hashlib.sha256(stylesheet).digest())
    for path in (index_path, host_path):
        with open(path, "rb") as file:
            text = file.read()
        if text.count(EMPTY) != 1:
            sys.exit(f"fill_style_hash.py: {path} has no single {EMPTY.decode()}")
        with open(path, "wb") as file:
            file.write(text.replace(EMPTY, b"'sha256-" + digest + b"'"))


if __name__ == "__main__":
    main(*sys.argv[1:])
