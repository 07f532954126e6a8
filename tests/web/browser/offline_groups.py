"""The page offline after one visit, and every request it makes kept to its
own origin."""
import json
from urllib.parse import urlsplit

from dialog_groups import CALCULATIONS, calculate_rows
from page_driver import Page
from site_server import SiteServer

# Chromium's own services, which the browser calls whatever page it shows.
BROWSER_SERVICES = ("accounts.google.com", "www.google.com", "clients2.google.com",
                    "content-autofill.googleapis.com", "android.clients.google.com",
                    "optimizationguide-pa.googleapis.com", "redirector.gvt1.com")
WORKER_READY = """const done = arguments[0];
setTimeout(() => done('none ready'), 5000);
navigator.serviceWorker.ready.then(() => done(navigator.serviceWorker.controller ? 'controls' : 'ready'));"""
STORED = """const done = arguments[0];
(async () => {
  const names = await caches.keys();
  const urls = [];
  for (const name of names) urls.push(...(await (await caches.open(name)).keys()).map(r => r.url));
  const databases = indexedDB.databases ? (await indexedDB.databases()).length : 0;
  done({caches: names.length, urls, cookie: document.cookie, local: localStorage.length,
        session: sessionStorage.length, databases,
        timed: performance.getEntries().map(e => e.name).filter(n => n.includes(':'))});
})();"""


def offline(ctx, page, check):
    server = SiteServer(ctx.site)
    ctx.origins.add(server.url)
    visit = Page(page.driver, server.url)
    try:
        visit.open()
        page.driver.set_script_timeout(10)
        worker = page.driver.execute_async_script(WORKER_READY)
        check.true(worker != "none ready", "no service worker ready after the first visit")
        if worker == "ready":
            visit.open()  # the worker controls the page from its next load
        check.true(page.driver.execute_script("return !!navigator.serviceWorker.controller"),
                   "a service worker controls the page after the first visit")
    finally:
        server.stop()
    visit.open()
    check.equal(visit.values()[3], "102", "result after a reload with the server gone")
    calculate_rows(visit, check, CALCULATIONS)


def origin(url):
    parts = urlsplit(url)
    return f"{parts.scheme}://{parts.netloc}/"


def own_origin(ctx, page, check):
    page.open()
    page.driver.set_script_timeout(10)
    stored = page.driver.execute_async_script(STORED)
    requested = [json.loads(entry["message"])["message"]
                 for entry in page.driver.get_log("performance")]
    # Browser pages (the new-tab page chromedriver starts on) are not the page's.
    urls = [m["params"]["request"]["url"] for m in requested
            if m["method"] == "Network.requestWillBeSent"
            and not m["params"]["documentURL"].startswith("chrome")]
    urls += stored["urls"] + stored["timed"]
    ctx.note(f"{len(urls)} requests and cached files seen, {stored['caches']} cache(s)")
    allowed = ctx.origins | {page.url}
    check.equal(sorted({u for u in urls if origin(u) not in allowed}), [], "other origins")
    check.true(urls, "no requests seen at all")
    # A proxy request line names "host:port" (CONNECT) or a whole URL.
    hosts = {urlsplit("//" + line.split()[1].split("//")[-1]).hostname for line in ctx.proxy.seen}
    left = sorted(h for h in hosts if h not in BROWSER_SERVICES)
    check.equal(left, [], "requests that reached the network")
    for key in ("cookie", "local", "session", "databases"):
        check.true(not stored[key], f"the page keeps {key} storage: {stored[key]!r}")
