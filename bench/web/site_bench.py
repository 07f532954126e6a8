#!/usr/bin/python3
"""The web page's weight and start-up, for scripts/perf.
  bytes    - every file a first visit fetches (the page's own requests and
             what its service worker stores), uncompressed, with the module
  start-up - navigation to the first "102" (the page's quorvel-ready mark),
             against navigation to the load event of an empty page from the
             same server, median of RUNS cold loads of each, in turns, in one
             headless Chromium with its cache and the service worker bypassed
Prints rows of scripts/perf's table.
Usage: site_bench.py SITE_DIR HOST_FILE [RUNS]"""
import os
import shutil
import statistics
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../tests/web/browser"))
from chromium import Chromium  # noqa: E402
from page_driver import Page  # noqa: E402
from site_server import SiteServer  # noqa: E402

EMPTY = '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>empty</title></html>\n'
WORKER_READY = "navigator.serviceWorker.ready.then(() => arguments[0]())"
# The ready mark and the first contentful paint, once both are there.
READY_AT = """const ready = performance.getEntriesByName('quorvel-ready')[0];
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return ready && paint && [ready.startTime, paint.startTime];"""
LOADED_AT = "return performance.getEntriesByType('navigation')[0].loadEventEnd"


def first_visit_bytes(site, host):
    server = SiteServer(site, host, no_store=False)
    browser = Chromium()
    try:
        Page(browser.driver, server.url).open()
        browser.driver.set_script_timeout(10)
        browser.driver.execute_async_script(WORKER_READY)
        time.sleep(1)  # the worker's last copies
        files = {path or "index.html" for path in server.served}
    finally:
        browser.close()
        server.stop()
    return sum(os.path.getsize(os.path.join(site, f)) for f in files), len(files)


def timed_load(driver, url, script):
    driver.get("about:blank")
    driver.get(url)
    for _ in range(1000):
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.005)
    raise RuntimeError(f"{url} never got ready")


def start_up(site, host, runs):
    # The empty page beside the site's files, served alike.
    scratch = tempfile.mkdtemp(prefix="quorvel-bench-")
    shutil.copytree(site, os.path.join(scratch, "site"))
    with open(os.path.join(scratch, "site", "empty.html"), "w") as out:
        out.write(EMPTY)
    server = SiteServer(os.path.join(scratch, "site"), host, no_store=False)
    browser = Chromium()
    driver = browser.driver
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        origin = server.url.rstrip("/")
        quorvel, empty = [], []
        for run in range(runs + 1):  # the first pair warms the browser up
            pair = [(quorvel, server.url, READY_AT), (empty, server.url + "empty.html", LOADED_AT)]
            for samples, url, script in pair[::1 if run % 2 else -1]:
                driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                                       {"origin": origin, "storageTypes": "all"})
                value = timed_load(driver, url, script)
                if run:
                    samples.append(value)
    finally:
        browser.close()
        server.stop()
        shutil.rmtree(scratch)
    ready = statistics.median(r for r, _ in quorvel)
    painted = statistics.median(p for _, p in quorvel)
    return ready, painted, statistics.median(empty)


def main():
    site, host = sys.argv[1:3]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 21
    total, files = first_visit_bytes(site, host)
    module = os.path.getsize(os.path.join(site, "quorvel.wasm"))
    quorvel, painted, empty = start_up(site, host, runs)
    print(f"| web page, first visit, bytes | {total} ({files} files, the module {module}) | | "
          f"| ≤ 49152 (48 KiB) |")
    print(f"| web start-up in headless Chromium, ms (median of {runs} cold loads) | {quorvel:.1f}"
          f" to \"102\" | {empty:.1f} to an empty page's load | {quorvel / empty:.2f} | ≤ 1.5 |")
    print(f"| web first contentful paint, ms (same loads) | {painted:.1f} | | | |")


if __name__ == "__main__":
    main()
