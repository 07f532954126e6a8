"""The page as a user meets it: real key and mouse events through WebDriver
actions, and what the boxes show read back."""
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

BOXES = ("IDC_WIDTH", "IDC_HEIGHT", "IDC_DIAGONAL", "IDC_RESULT")
READY = """const done = arguments[0];
(function poll() {
  performance.getEntriesByType('mark').length ? done() : setTimeout(poll, 5);
})();"""


class Failures:
    """What disagrees, so that one run of a table names every bad row."""

    def __init__(self):
        self.lines = []

    def equal(self, actual, expected, what):
        self.true(actual == expected, f"{what}: got {actual!r}, expected {expected!r}")

    def true(self, condition, what):
        if not condition:
            self.lines.append(what)


class Page:
    def __init__(self, driver, url):
        self.driver, self.url = driver, url

    def open(self):
        """Loads the page and waits for its first calculation's mark."""
        self.driver.get(self.url)
        self.driver.set_script_timeout(10)
        self.driver.execute_async_script(READY)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def actions(self):
        return ActionChains(self.driver, duration=0)

    def values(self):
        return self.driver.execute_script(
            "return arguments[0].map(id => document.getElementById(id).value)", BOXES)

    def active(self):
        return self.driver.execute_script(
            "const e = document.activeElement; return e.id || e.className || e.tagName")

    def press(self, *keys):
        self.actions().send_keys(*keys).perform()

    def focus(self, name):
        self.driver.execute_script("arguments[0].focus()", self.element(name))

    def chords(self, *keys, name=None):
        """Ctrl+key for each key, in the box clicked first if one is named."""
        chain = self.actions().click(self.element(name)) if name else self.actions()
        for key in keys:
            chain.key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL)
        return chain

    def type_into(self, name, text):
        """Click into a box, select what it holds and type over it."""
        self.chords("a", name=name).send_keys(text or Keys.BACKSPACE).perform()
