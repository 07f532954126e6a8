"""The page offline after one visit, and every request it makes kept to its
own origin, with no storage but its worker's cache."""
import json
from urllib.parse import urlsplit

from dialog_groups import CALCULATIONS, calculate_rows
from page_driver import Page
from site_server import SiteServer

WORKER_READY = """const done = arguments[0];
setTimeout(() => done('none ready'), 5000);
navigator.serviceWorker.ready.then(
  () => done(navigator.serviceWorker.controller ? 'controls' : 'ready'));"""
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
    server = SiteServer(ctx.site)
    ctx.origins.add(server.url)
    visit = Page(page.driver, server.url)
    try:
        visit.open()
        worker = page.driver.execute_async_script(WORKER_READY)
        check.true(worker != "none ready", "no service worker ready after the first visit")
        if worker == "ready":
            visit.open()  # the worker controls the page from its next load
    finally:
        server.stop()
    visit.open()
    check.equal(visit.values()[3], "102", "result after a reload with the server gone")
    calculate_rows(visit, check, CALCULATIONS)


def origin(url):
    parts = urlsplit(url)
    return f"{parts.scheme}://{parts.netloc}/"


def own_origin(ctx, page, check):
    """Over every request of the run: the DevTools log of the page's own
    requests (the new-tab page chromedriver starts on is the browser's),
    what its worker stored and what its timeline lists."""
    page.open()
    stored = page.driver.execute_async_script(STORED)
    logged = [json.loads(entry["message"])["message"]
              for entry in page.driver.get_log("performance")]
    urls = [m["params"]["request"]["url"] for m in logged
            if m["method"] == "Network.requestWillBeSent"
            and not m["params"]["documentURL"].startswith("chrome")]
    urls += stored["urls"] + stored["timed"]
    ctx.note(f"{len(urls)} requests and stored files seen")
    check.true(urls, "no requests seen at all")
    check.equal(sorted({u for u in urls if origin(u) not in ctx.origins}), [], "other origins")
    check.equal(stored["kept"], ["", 0, 0, 0], "cookies, local and session storage, databases")
