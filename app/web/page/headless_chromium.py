"""Debian's Chromium run headless as this project runs it, for `scripts/run
web`'s screenshots and the browser tests: root in a container needs no
sandbox; nothing reaches out to the network or changes with the machine's
screen. The window's size is the caller's. PHONE is the phone they emulate:
its screen in CSS pixels and device pixels to each, with touch (a coarse
pointer)."""
BINARY = "/usr/bin/chromium"
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--force-device-scale-factor=1", "--hide-scrollbars"]
PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 3}
