#!/usr/bin/python3
"""Lighthouse's four scores for the page served on the loopback, for
scripts/perf: Lighthouse from tests/web/npm (npm ci --prefix tests/web/npm)
with Debian's Chromium, the default (mobile, simulated throttling) settings.
Accessibility may fall short only by its colour-contrast audit, which the
dialog's prescribed red and light blue fail at the default contrast.
Prints rows of scripts/perf's table (the scores; the simulated first
contentful paint and speed index with their scores), then the audits that
lost points.
Usage: lighthouse_scores.py SITE_DIR HOST_FILE"""
import json
import os
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../tests/web/browser"))
sys.path.insert(0, os.path.join(here, "../../app/web/page"))
import headless_chromium  # noqa: E402
from site_server import SiteServer  # noqa: E402

LIGHTHOUSE = os.path.join(here, "../../tests/web/npm/node_modules/lighthouse/cli/index.js")
CATEGORIES = ("performance", "accessibility", "best-practices", "seo")


def main():
    server = SiteServer(*sys.argv[1:3], no_store=False)
    try:
        with tempfile.TemporaryDirectory() as scratch:
            report = os.path.join(scratch, "report.json")
            subprocess.run(["node", LIGHTHOUSE, server.url, "--quiet", "--output=json",
                            f"--output-path={report}", "--only-categories=" + ",".join(CATEGORIES),
                            "--chrome-flags=" + " ".join(headless_chromium.FLAGS)],
                           check=True, env={**os.environ, "CHROME_PATH": headless_chromium.BINARY})
            with open(report, encoding="utf-8") as source:
                result = json.load(source)
    finally:
        server.stop()
    scores = [round(100 * result["categories"][c]["score"]) for c in CATEGORIES]
    version = result["lighthouseVersion"]
    print(f"| Lighthouse {version} on the loopback: performance / accessibility / best practices"
          f" / SEO | {' / '.join(map(str, scores))} | | | 100 each; accessibility short only of"
          " colour contrast |")
    paint, speed = (result["audits"][a] for a in ("first-contentful-paint", "speed-index"))
    print(f"| Lighthouse, mobile, simulated: first contentful paint / speed index, s (score) | "
          f"{paint['numericValue'] / 1000:.2f} ({paint['score']}) / "
          f"{speed['numericValue'] / 1000:.2f} ({speed['score']}) | | | ≤ 1.0 / score 1 |")
    for category in CATEGORIES:
        for ref in result["categories"][category]["auditRefs"]:
            audit = result["audits"][ref["id"]]
            if ref["weight"] and audit["score"] is not None and audit["score"] < 1:
                print(f"  {category}: {ref['id']} scored {audit['score']}")


if __name__ == "__main__":
    main()
