"""The page as a user meets it: real key and mouse events through WebDriver
actions, and what the boxes show read back."""
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

BOXES = ("IDC_WIDTH", "IDC_HEIGHT", "IDC_DIAGONAL", "IDC_RESULT")


class Failures:
    """Collects what disagrees, so that one run of a table names every bad row."""

    def __init__(self):
        self.lines = []

    def equal(self, actual, expected, what):
        if actual != expected:
            self.lines.append(f"{what}: got {actual!r}, expected {expected!r}")

    def true(self, condition, what):
        if not condition:
            self.lines.append(what)


class Page:
    def __init__(self, driver, url):
        self.driver = driver
        self.url = url

    def open(self):
        self.driver.get(self.url)
        self.wait_ready()

    def wait_ready(self):
        # The first calculation marks the page ready.
        self.driver.set_script_timeout(10)
        self.driver.execute_async_script(
            "const done = arguments[0];"
            "(function poll() { performance.getEntriesByName('quorvel-ready').length"
            " ? done() : setTimeout(poll, 5); })();")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def actions(self):
        return ActionChains(self.driver, duration=0)

    def values(self):
        return self.driver.execute_script(
            "return arguments[0].map(id => document.getElementById(id).value)", list(BOXES))

    def active(self):
        return self.driver.execute_script(
            "const e = document.activeElement; return e.id || e.className || e.tagName")

    def select_all(self, chain):
        return chain.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)

    def type_into(self, name, text):
        """Click into a box, select what it holds and type over it."""
        chain = self.select_all(self.actions().click(self.element(name)))
        if text:
            chain.send_keys(text)
        else:
            chain.send_keys(Keys.BACKSPACE)
        chain.perform()

    def press(self, *keys):
        chain = self.actions()
        for key in keys:
            chain.send_keys(key)
        chain.perform()

    def copy_to_clipboard(self, text):
        """Type the text in the result box, which takes any length, and copy it."""
        self.type_into("IDC_RESULT", text)
        self.select_all(self.actions()).key_down(Keys.CONTROL).send_keys("c").key_up(
            Keys.CONTROL).perform()

    def paste_into(self, name):
        self.select_all(self.actions().click(self.element(name))).key_down(
            Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()

    def trigger(self, how):
        """Start a calculation: Enter in a box, or a click on 计算."""
        if how == "button":
            self.actions().click(self.element("IDC_CALCULATE")).perform()
        else:
            self.actions().click(self.element(how)).send_keys(Keys.ENTER).perform()
