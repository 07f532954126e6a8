"""Debian's headless Chromium under chromedriver, as root in a container
needs it, with a fresh profile each time and the DevTools network log on."""
import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--force-device-scale-factor=1", "--window-size=800,600", "--hide-scrollbars"]


class Chromium:
    """A browser; `env` adds to its environment (a fontconfig of its own)."""

    def __init__(self, env=None):
        self.profile = tempfile.mkdtemp(prefix="quorvel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        service = Service("/usr/bin/chromedriver", env={**os.environ, **(env or {})})
        self.driver = webdriver.Chrome(service=service, options=options)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
