"""The browser suite. `run` drives the built site in headless Chromium once
and writes one verdict per group; `report GROUP` prints a group's verdict
and fails with it, so that each group is a test of its own.
  browser_suite.py run SITE DESCRIPTION_TOOL CASES_TOOL COUNT SEED DENSITY_TSV AXE_JS RESULTS
    [GROUP...]
  browser_suite.py report RESULTS GROUP"""
import json
import os
import shutil
import subprocess
import sys
import time
import traceback
from types import SimpleNamespace

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import axe_group  # noqa: E402
import dialog_groups as dialog  # noqa: E402
import differential_group  # noqa: E402
import font_group  # noqa: E402
import offline_groups  # noqa: E402
from chromium import Chromium  # noqa: E402
from page_driver import Failures, Page  # noqa: E402
from site_server import SiteServer  # noqa: E402

# In the order they run: opening on the first visit, own_origin over every
# request of the run.
GROUPS = {"opening": dialog.opening, "limits": dialog.limits, "calculation": dialog.calculation,
          "non_ascii": dialog.non_ascii, "escape": dialog.escape, "tab_order": dialog.tab_order,
          "message_boxes": dialog.message_boxes, "geometry": dialog.geometry,
          "differential": differential_group.differential, "axe": axe_group.axe,
          "offline": offline_groups.offline, "own_font": font_group.own_font,
          "own_origin": offline_groups.own_origin}


def run_group(ctx, page, name):
    check, ctx.notes, start = Failures(), [], time.monotonic()
    try:
        GROUPS[name](ctx, page, check)
    except Exception:  # a broken group is a failed group, with its trace
        check.lines.append(traceback.format_exc())
    verdict = {"passed": not check.lines, "failures": check.lines, "notes": ctx.notes,
               "seconds": round(time.monotonic() - start, 2)}
    with open(os.path.join(ctx.results, name + ".json"), "w", encoding="utf-8") as out:
        json.dump(verdict, out, ensure_ascii=False, indent=1)
    print(f"{'pass' if verdict['passed'] else 'FAIL'} {name} ({verdict['seconds']} s)", flush=True)


def run(site, description, cases, count, seed, golden, axe, results, *groups):
    if not os.path.isfile(os.path.join(site, "index.html")):
        sys.exit(f"no site at {site}: build the web preset first")
    shutil.rmtree(results, ignore_errors=True)
    os.makedirs(results)
    description = json.loads(subprocess.run([description], check=True, capture_output=True,
                                            text=True).stdout)
    server, browser = SiteServer(site), Chromium()
    ctx = SimpleNamespace(site=site, description=description, cases=cases, golden=golden, axe=axe,
                          controls={c["name"]: c for c in description["controls"]},
                          case_count=int(count), seed=int(seed), results=results,
                          origins={server.url})
    try:
        for name in groups or GROUPS:
            run_group(ctx, Page(browser.driver, server.url), name)
    finally:
        browser.close()
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


if __name__ == "__main__":
    {"run": run, "report": report}[sys.argv[1]](*sys.argv[2:])
