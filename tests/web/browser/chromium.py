"""Debian's headless Chromium under chromedriver, as root in a container
needs it, with a fresh profile each time and the DevTools network log on;
on a desktop, or as the phone the project emulates (headless_chromium.PHONE)."""
import os
import shutil
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "../../../app/web/page"))
import headless_chromium  # noqa: E402


class Chromium:
    """A browser; `env` adds to its environment (a fontconfig of its own)."""

    def __init__(self, env=None, phone=False):
        self.profile = tempfile.mkdtemp(prefix="quorvel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = headless_chromium.BINARY
        for flag in headless_chromium.FLAGS + ["--window-size=800,600",
                                               f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        if phone:
            screen = headless_chromium.PHONE
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": screen["width"], "height": screen["height"],
                "pixelRatio": screen["deviceScaleFactor"], "touch": True}})
        service = Service("/usr/bin/chromedriver", env={**os.environ, **(env or {})})
        self.driver = webdriver.Chrome(service=service, options=options)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
