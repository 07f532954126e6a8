"""The page offline after one visit, and every request it makes kept to its
own origin, with no storage but its worker's cache."""
import json

from dialog_groups import CASES, OPENING_RESULT, calculate_rows, tsv_rows
from page_driver import Page
from site_server import SiteServer

WORKER_READY = """const done = arguments[0];
setTimeout(() => done(false), 5000);
navigator.serviceWorker.ready.then(() => done(true));"""
STORED = """const done = arguments[0];
(async () => {
  const urls = [];
  for (const name of await caches.keys())
    urls.push(...(await (await caches.open(name)).keys()).map(r => r.url));
  done({urls, timed: performance.getEntries().map(e => e.name).filter(n => n.includes(':')),
        kept: [document.cookie, localStorage.length, sessionStorage.length,
               (await indexedDB.databases()).length]});
})();"""


def offline(ctx, page, check):
    server = SiteServer(ctx.site, ctx.host)
    ctx.origins.add(server.url)
    visit = Page(page.driver, server.url)
    try:
        visit.open()
        ready = page.driver.execute_async_script(WORKER_READY)
        check.true(ready, "no service worker ready after the first visit")
        visit.open()  # a worker controls the page from its next load on
    finally:
        server.stop()
    visit.open()
    check.equal(visit.values()[3], OPENING_RESULT, "result after a reload with the server gone")
    calculate_rows(visit, check, tsv_rows(ctx, CASES)[:2])


def logged_requests(page):
    """The DevTools log of the page's own requests in Chromium (the new-tab
    page chromedriver starts on is the browser's)."""
    logged = [json.loads(entry["message"])["message"]
              for entry in page.driver.get_log("performance")]
    return [m["params"]["request"]["url"] for m in logged
            if m["method"] == "Network.requestWillBeSent"
            and not m["params"]["documentURL"].startswith("chrome")]


def own_origin(ctx, page, check):
    """Over every request of the run where the engine logs them (Chromium),
    what the page's worker stored and what its timeline lists."""
    page.open()
    stored = page.driver.execute_async_script(STORED)
    urls = logged_requests(page) if ctx.engine == "chromium" else []
    urls += stored["urls"] + stored["timed"]
    ctx.notes.append(f"{len(urls)} requests and stored files seen")
    check.true(urls, "no requests seen at all")
    # An origin is a server's URL up to its first slash after the port.
    outside = {u for u in urls if not any(u.startswith(o) for o in ctx.origins)}
    check.equal(sorted(outside), [], "other origins")
    check.equal(stored["kept"], ["", 0, 0, 0], "cookies, local and session storage, databases")
