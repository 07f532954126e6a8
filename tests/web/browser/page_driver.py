"""The page as a user meets it: real key and mouse events through WebDriver
actions, and what the boxes show read back."""
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

BOXES = ("IDC_WIDTH", "IDC_HEIGHT", "IDC_DIAGONAL", "IDC_RESULT")
READY = """const done = arguments[0];
(function poll() {
  performance.getEntriesByName('quorvel-ready').length ? done() : setTimeout(poll, 5);
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

    def with_control(self, key, chain=None):
        return (chain or self.actions()).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL)

    def type_into(self, name, text):
        """Click into a box, select what it holds and type over it."""
        chain = self.with_control("a", self.actions().click(self.element(name)))
        chain.send_keys(text or Keys.BACKSPACE).perform()

    def copy_to_clipboard(self, text):
        """Type the text in the result box, which takes any length, and copy it."""
        self.type_into("IDC_RESULT", text)
        self.with_control("c", self.with_control("a")).perform()

    def paste_into(self, name):
        chain = self.with_control("a", self.actions().click(self.element(name)))
        self.with_control("v", chain).perform()

    def trigger(self, how):
        """Start a calculation: Enter in a box, or a click on 计算."""
        if how == "button":
            self.actions().click(self.element("IDC_CALCULATE")).perform()
        else:
            self.actions().click(self.element(how)).send_keys(Keys.ENTER).perform()
