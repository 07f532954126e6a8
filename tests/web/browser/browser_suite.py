"""The browser suite. `run` drives the built site in each engine
(browsers.ENGINES) on a desktop, and in Chromium once more as a phone, and
writes one verdict per engine and group, which names the browser it ran in;
`report GROUP` prints a group's verdict and fails with it, so that each
group is a test of its own; `groups` lists them for the build.
  browser_suite.py run SITE HOST_FILE DESCRIPTION_TOOL CASES_TOOL COUNT SEED DENSITY_TSV AXE_JS
    RESULTS [GROUP...]
  browser_suite.py report RESULTS GROUP
  browser_suite.py groups"""
import importlib
import json
import os
import shutil
import subprocess
import sys
import time
import traceback
from types import SimpleNamespace

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
sys.path.insert(0, os.path.join(here, "../../../app/web/page"))
from browsers import ENGINES  # noqa: E402

# Each group, a function of that name in its module, in the order they run:
# opening on the first visit, own_origin over every request of the run. Each
# runs in every engine, named ENGINE.GROUP.
GROUPS = {"opening": "dialog_groups", "limits": "dialog_groups", "calculation": "dialog_groups",
          "escape": "dialog_groups", "tab_order": "dialog_groups",
          "message_boxes": "dialog_groups", "geometry": "dialog_groups",
          "differential": "differential_group", "axe": "axe_group", "offline": "offline_groups",
          "own_font": "font_group", "own_origin": "offline_groups", "layout": "dialog_groups"}
DESKTOP = [name for name in GROUPS if name != "layout"]
# Once more as a phone (ctx.phone), fewer cases where a group has tables: only
# Chromium emulates one.
PHONE = ["phone." + name for name in ("opening", "calculation", "tab_order", "message_boxes",
                                      "layout", "axe", "offline", "own_origin")]
PROFILES = [(engine, False, [f"{engine}.{name}" for name in DESKTOP]) for engine in ENGINES] + [
    ("chromium", True, ["chromium." + name for name in PHONE])]


def write_verdict(ctx, name, failures, notes, start):
    """The group's verdict: each failure names the browser it ran in."""
    verdict = {"passed": not failures, "failures": [f"{ctx.browser}: {f}" for f in failures],
               "notes": [f"ran in {ctx.browser}"] + notes,
               "seconds": round(time.monotonic() - start, 2)}
    with open(os.path.join(ctx.results, name + ".json"), "w", encoding="utf-8") as out:
        json.dump(verdict, out, ensure_ascii=False, indent=1)
    print(f"{'pass' if verdict['passed'] else 'FAIL'} {name} ({verdict['seconds']} s)", flush=True)


def run_group(ctx, page, name):
    from page_driver import Failures
    check, ctx.notes, start = Failures(), [], time.monotonic()
    function = name.split(".")[-1]
    try:
        getattr(importlib.import_module(GROUPS[function]), function)(ctx, page, check)
    except Exception:  # a broken group is a failed group, with its trace
        check.lines.append(traceback.format_exc())
    write_verdict(ctx, name, check.lines, ctx.notes, start)


def run_profile(ctx, url, names):
    """The groups named, in one browser of ctx.engine on a desktop or a phone
    (ctx.phone); a browser that does not start fails each of them."""
    from browsers import Browser
    from page_driver import Page
    start = time.monotonic()
    try:
        browser = Browser(ctx.engine, phone=ctx.phone)
    except Exception:
        ctx.browser = ctx.engine
        for name in names:
            write_verdict(ctx, name, ["did not start: " + traceback.format_exc()], [], start)
        return
    ctx.browser = browser.name
    try:
        for name in names:
            run_group(ctx, Page(browser.driver, url), name)
    finally:
        browser.close()


def run(site, host, description, cases, count, seed, golden, axe, results, *groups):
    from site_server import SiteServer
    if not os.path.isfile(os.path.join(site, "index.html")):
        sys.exit(f"no site at {site}: build the web preset first")
    shutil.rmtree(results, ignore_errors=True)
    os.makedirs(results)
    description = json.loads(subprocess.run([description], check=True, capture_output=True,
                                            text=True).stdout)
    server = SiteServer(site, host)
    ctx = SimpleNamespace(site=site, host=host, description=description, cases=cases,
                          golden=golden, axe=axe, case_count=int(count), seed=int(seed),
                          controls={c["name"]: c for c in description["controls"]},
                          results=results, origins={server.url})
    try:
        for ctx.engine, ctx.phone, names in PROFILES:
            names = [name for name in names if not groups or name in groups]
            if names:
                run_profile(ctx, server.url, names)
    finally:
        server.stop()


def report(results, group):
    try:
        with open(os.path.join(results, group + ".json"), encoding="utf-8") as source:
            verdict = json.load(source)
    except FileNotFoundError:
        sys.exit(f"{group}: no verdict in {results} (did the suite run?)")
    print("\n".join(verdict["notes"] + verdict["failures"] + [
        f"{group}: {'passed' if verdict['passed'] else 'FAILED'} in {verdict['seconds']} s"]))
    sys.exit(0 if verdict["passed"] else 1)


def groups():
    print(";".join(name for _, _, names in PROFILES for name in names))


if __name__ == "__main__":
    {"run": run, "report": report, "groups": groups}[sys.argv[1]](*sys.argv[2:])
