#!/usr/bin/python3
"""The web page's weight and start-up, for scripts/perf.
  bytes    - every file a first visit fetches (the page's own requests and
             what its service worker stores), uncompressed, with the module
  start-up - navigation to the page's first paint showing "102": the later of
             its first contentful paint and the moment its result box holds
             "102" (from the first response on where the markup holds it,
             else the page's one performance mark), against the fair floor's
             first contentful paint: the same markup and stylesheet with no
             script, no module and no web font. For context, navigation to
             the module's first "102" against the load event of an empty page.
             Median of RUNS cold loads of each, in turns, from the same server,
             in one headless Chromium with its cache and the service worker
             bypassed.
Prints rows of scripts/perf's table.
Usage: site_bench.py SITE_DIR HOST_FILE MODULE [RUNS]"""
import os
import re
import shutil
import statistics
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../tests/web/browser"))
sys.path.insert(0, os.path.join(here, "../../app/web/page"))
from browsers import Browser  # noqa: E402
from page_driver import Page  # noqa: E402
from site_server import SiteServer  # noqa: E402

EMPTY = '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>empty</title></html>\n'
WORKER_READY = "navigator.serviceWorker.ready.then(() => arguments[0]())"
# Quorvel, once both its first paint and the module's first result are in:
# [first paint showing "102", the module's "102"].
READY_AT = """const ready = performance.getEntriesByType('mark')[0];
const paint = performance.getEntriesByName('first-contentful-paint')[0];
const inMarkup = document.getElementById('IDC_RESULT').defaultValue === '102';
return ready && paint && [Math.max(paint.startTime, inMarkup ? 0 : ready.startTime),
                          ready.startTime];"""
PAINTED_AT = """const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint && paint.startTime;"""
LOADED_AT = "return performance.getEntriesByType('navigation')[0].loadEventEnd"
# After each load, what it set going in the background (Quorvel's service
# worker fetching the site) ends before the next load starts.
SETTLE = 0.3


def first_visit_bytes(site, host):
    server = SiteServer(site, host, no_store=False)
    browser = Browser("chromium")
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


def write_floor(site, scratch):
    """floor.html beside the site's files: index.html without its script and
    the module's preload (the script is what loads the web font)."""
    with open(os.path.join(site, "index.html"), encoding="utf-8") as source:
        page = source.read()
    floor = re.sub(r"<script[^>]*></script>\n|<link rel=\"preload\"[^>]*>\n", "", page)
    if "<script" in floor or "preload" in floor or "@font-face" in floor:
        sys.exit("site_bench: the page's script, module or font is not where the floor expects")
    with open(os.path.join(scratch, "site", "floor.html"), "w", encoding="utf-8") as out:
        out.write(floor)


def timed_load(driver, url, script):
    driver.get("about:blank")
    driver.get(url)
    for _ in range(1000):
        value = driver.execute_script(script)
        if value:
            time.sleep(SETTLE)
            return value
        time.sleep(0.005)
    raise RuntimeError(f"{url} never got ready")


def start_up(site, host, runs):
    """Medians: Quorvel's first paint with "102", the module's "102", the
    floor's first paint, the empty page's load."""
    scratch = tempfile.mkdtemp(prefix="quorvel-bench-")
    # The empty page and the floor beside the site's files, served alike.
    shutil.copytree(site, os.path.join(scratch, "site"))
    with open(os.path.join(scratch, "site", "empty.html"), "w") as out:
        out.write(EMPTY)
    write_floor(site, scratch)
    server = SiteServer(os.path.join(scratch, "site"), host, no_store=False)
    browser = Browser("chromium")
    driver = browser.driver
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        origin = server.url.rstrip("/")
        pages = [(server.url, READY_AT), (server.url + "floor.html", PAINTED_AT),
                 (server.url + "empty.html", LOADED_AT)]
        samples = [[] for _ in pages]
        for run in range(runs + 1):  # the first round warms the browser up
            for index in range(len(pages))[::1 if run % 2 else -1]:
                driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                                       {"origin": origin, "storageTypes": "all"})
                value = timed_load(driver, *pages[index])
                if run:
                    samples[index].append(value)
    finally:
        browser.close()
        server.stop()
        shutil.rmtree(scratch)
    quorvel, floor, empty = samples
    return (statistics.median(p for p, _ in quorvel), statistics.median(r for _, r in quorvel),
            statistics.median(floor), statistics.median(empty))


def main():
    site, host, module_file = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 21
    total, files = first_visit_bytes(site, host)
    module = os.path.getsize(module_file)
    painted, ready, floor, empty = start_up(site, host, runs)
    print(f"| web page, first visit, bytes | {total} ({files} files, the module {module}) | | "
          f"| ≤ 49152 (48 KiB) |")
    print(f"| web first paint showing \"102\" in headless Chromium against the fair floor, ms "
          f"(median of {runs} cold loads) | {painted:.1f} | {floor:.1f} to the first paint of "
          f"the same markup and stylesheet without script, module or web font | "
          f"{painted / floor:.2f} | ≤ 1.2 |")
    print(f"| web start-up to the module's \"102\", ms (same loads) | {ready:.1f} | {empty:.1f} "
          f"to an empty page's load | {ready / empty:.2f} | ≤ 1.5 (context) |")


if __name__ == "__main__":
    main()
