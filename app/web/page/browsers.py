"""The browser engines the page is shown and tested in, each driven through
Selenium's WebDriver client, for `scripts/run web`'s screenshots and the
browser tests alike, each with a fresh profile:
- chromium: Debian's Chromium under chromedriver, headless
  (headless_chromium.py), with the DevTools network log; on a desktop or as
  the phone the project emulates (headless_chromium.PHONE);
- firefox: Debian's Firefox ESR, headless, under marionette_driver.py
  (Debian has no geckodriver);
- webkit: WebKitGTK's MiniBrowser under WebKitWebDriver, on a private Xvfb
  screen of its own (it has no headless mode), also where there is a display.
A window's size is its viewport's, in CSS pixels."""
import os
import shutil
import subprocess
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromiumService
from selenium.webdriver.firefox.service import Service as FirefoxService
from selenium.webdriver.remote.webdriver import WebDriver
from selenium.webdriver.webkitgtk.service import Service as WebKitService

import headless_chromium

ENGINES = ("chromium", "firefox", "webkit")
HERE = os.path.dirname(os.path.abspath(__file__))
FIREFOX = "/usr/bin/firefox-esr"
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
# MiniBrowser's own toolbar drawn tiny, so that its window can be as narrow
# as a phone's screen (the toolbar holds it at 447 px or more).
TINY_TOOLBAR = "* { font-size: 2px; padding: 0; margin: 0; min-width: 0; min-height: 0; }"


def fit_viewport(driver, width, height):
    """Resizes the window so that its viewport has that size; the window's
    own frame and toolbars differ by engine."""
    driver.set_window_size(width, height)
    inner = driver.execute_script("return [innerWidth, innerHeight]")
    if inner != [width, height]:
        size = driver.get_window_size()
        driver.set_window_size(size["width"] + width - inner[0],
                               size["height"] + height - inner[1])


class Browser:
    """A browser of that engine; `env` adds to its environment (a fontconfig
    of its own); a phone is Chromium's mobile emulation."""

    def __init__(self, engine="chromium", env=None, phone=False, size=(1024, 768)):
        self.engine, self.xvfb = engine, None
        self.scratch = tempfile.mkdtemp(prefix=f"quorvel-{engine}-")
        env = {**os.environ, **(env or {})}
        try:
            self.driver = getattr(self, "_start_" + engine)(env, phone)
            if not phone:
                fit_viewport(self.driver, *size)
        except BaseException:
            self.close()
            raise
        capabilities = self.driver.capabilities
        self.name = f"{engine} {capabilities.get('browserVersion', '')}".strip()

    def _start_chromium(self, env, phone):
        options = webdriver.ChromeOptions()
        options.binary_location = headless_chromium.BINARY
        for flag in headless_chromium.FLAGS + [f"--user-data-dir={self.scratch}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        if phone:
            screen = headless_chromium.PHONE
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": screen["width"], "height": screen["height"],
                "pixelRatio": screen["deviceScaleFactor"], "touch": True}})
        service = ChromiumService("/usr/bin/chromedriver", env=env)
        return webdriver.Chrome(service=service, options=options)

    def _start_firefox(self, env, phone):
        options = webdriver.FirefoxOptions()
        options.binary_location = FIREFOX
        options.add_argument("-headless")
        service = FirefoxService(os.path.join(HERE, "marionette_driver.py"), env=env,
                                 log_path=os.path.join(self.scratch, "firefox.log"))
        return webdriver.Firefox(service=service, options=options)

    def _start_webkit(self, env, phone):
        env["DISPLAY"] = self._start_xvfb()
        env["XDG_CONFIG_HOME"] = self.scratch
        os.makedirs(os.path.join(self.scratch, "gtk-3.0"))
        with open(os.path.join(self.scratch, "gtk-3.0", "gtk.css"), "w") as out:
            out.write(TINY_TOOLBAR)
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        service = WebKitService(WEBKIT_DRIVER, log_path=os.path.join(self.scratch, "webkit.log"))
        service.env = env
        service.start()
        self.service = service
        return WebDriver(command_executor=service.service_url, options=options)

    def _start_xvfb(self):
        """A private screen; Xvfb writes its number once it listens."""
        reader, writer = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-noreset", "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"], pass_fds=(writer,), stderr=subprocess.DEVNULL)
        os.close(writer)
        with os.fdopen(reader) as display:
            return ":" + display.readline().strip()

    def close(self):
        try:
            if hasattr(self, "driver"):
                self.driver.quit()
            if hasattr(self, "service"):
                self.service.stop()
        finally:
            if self.xvfb:
                self.xvfb.terminate()
                self.xvfb.wait()
            shutil.rmtree(self.scratch, ignore_errors=True)
