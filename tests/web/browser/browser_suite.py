"""The browser suite. `run` drives the built site in headless Chromium once
and writes one verdict per group; `report GROUP` prints a group's verdict
and fails with it, so that each group is a test of its own.
  browser_suite.py run --site DIR --description EXE --cases EXE ... --results DIR
  browser_suite.py report --results DIR GROUP"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import axe_group  # noqa: E402
import dialog_groups  # noqa: E402
import differential_group  # noqa: E402
import font_group  # noqa: E402
import offline_groups  # noqa: E402
from chromium import Chromium  # noqa: E402
from page_driver import Failures, Page  # noqa: E402
from site_server import RecordingProxy, SiteServer  # noqa: E402

# In the order they run: opening first, on the first visit; own_origin last,
# over every request of the run.
GROUPS = {
    "opening": dialog_groups.opening,
    "limits": dialog_groups.limits,
    "calculation": dialog_groups.calculation,
    "non_ascii": dialog_groups.non_ascii,
    "escape": dialog_groups.escape,
    "tab_order": dialog_groups.tab_order,
    "message_boxes": dialog_groups.message_boxes,
    "geometry": dialog_groups.geometry,
    "differential": differential_group.differential,
    "axe": axe_group.axe,
    "offline": offline_groups.offline,
    "own_font": font_group.own_font,
    "own_origin": offline_groups.own_origin,
}


class Context:
    def __init__(self, args, proxy):
        self.site, self.cases, self.golden, self.axe = args.site, args.cases, args.golden, args.axe
        self.case_count, self.seed, self.results = args.case_count, args.seed, args.results
        self.description = json.loads(subprocess.run(
            [args.description], check=True, capture_output=True, text=True,
            encoding="utf-8").stdout)
        self.proxy = proxy
        self.origins = set()
        self.notes = []

    def note(self, text):
        self.notes.append(text)


def run_group(ctx, page, name):
    check, ctx.notes = Failures(), []
    start = time.monotonic()
    try:
        GROUPS[name](ctx, page, check)
    except Exception:  # a broken group is a failed group, with its trace
        check.lines.append(traceback.format_exc())
    seconds = time.monotonic() - start
    verdict = {"passed": not check.lines, "failures": check.lines, "notes": ctx.notes,
               "seconds": round(seconds, 2)}
    with open(os.path.join(ctx.results, name + ".json"), "w", encoding="utf-8") as out:
        json.dump(verdict, out, ensure_ascii=False, indent=1)
    print(f"{'pass' if verdict['passed'] else 'FAIL'} {name} ({seconds:.1f} s)", flush=True)


def run(args):
    if not os.path.isfile(os.path.join(args.site, "index.html")):
        sys.exit(f"no site at {args.site}: build the web preset first")
    shutil.rmtree(args.results, ignore_errors=True)
    os.makedirs(args.results)
    proxy, server = RecordingProxy(), SiteServer(args.site)
    ctx = Context(args, proxy)
    ctx.origins.add(server.url)
    browser = Chromium(proxy=proxy.address)
    try:
        page = Page(browser.driver, server.url)
        for name in args.groups or GROUPS:
            run_group(ctx, page, name)
    finally:
        browser.close()
        server.stop()
        proxy.stop()


def report(args):
    path = os.path.join(args.results, args.group + ".json")
    if not os.path.exists(path):
        sys.exit(f"{args.group}: no verdict in {args.results} (did the suite run?)")
    with open(path, encoding="utf-8") as source:
        verdict = json.load(source)
    for line in verdict["notes"] + verdict["failures"]:
        print(line)
    print(f"{args.group}: {'passed' if verdict['passed'] else 'FAILED'} in {verdict['seconds']} s")
    sys.exit(0 if verdict["passed"] else 1)


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    runner = commands.add_parser("run")
    for option in ("site", "description", "cases", "golden", "axe", "results"):
        runner.add_argument("--" + option, required=True)
    runner.add_argument("--case-count", type=int, default=1000)
    runner.add_argument("--seed", type=int, default=20261209)
    runner.add_argument("groups", nargs="*", choices=list(GROUPS) + [[]], default=[])
    reporter = commands.add_parser("report")
    reporter.add_argument("--results", required=True)
    reporter.add_argument("group")
    args = parser.parse_args()
    run(args) if args.command == "run" else report(args)


if __name__ == "__main__":
    main()
