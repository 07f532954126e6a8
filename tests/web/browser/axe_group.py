"""axe-core's WCAG 2.2 A and AA rules on the page, target sizes among them,
injected through WebDriver (the page's own policy admits no inline script).
At the default contrast only colour-contrast may fail, and only on the two
colours the dialog prescribes (the red diagonal and the light-blue contact
line); under prefers-contrast: more nothing may fail, where the engine can
be asked to prefer more contrast (Chromium's DevTools)."""
from selenium.webdriver.common.by import By

TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]
PRESCRIBED = {("color-contrast", "#IDC_DIAGONAL"), ("color-contrast", "#IDC_CONTACT")}
RUN = """const done = arguments[arguments.length - 1];
axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})
  .then(r => done(r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])))
  .catch(e => done([['axe failed', [String(e)]]]));"""


def violations(page):
    found = page.driver.execute_async_script(RUN, TAGS)
    return {(rule, node) for rule, nodes in found for node in nodes}


def axe(ctx, page, check):
    page.open()
    page.driver.set_script_timeout(30)
    with open(ctx.axe, encoding="utf-8") as source:
        page.driver.execute_script(source.read() + "\nwindow.axe = axe;")
    found = violations(page)
    check.equal(found - PRESCRIBED, set(), "violations at the default contrast")
    ctx.notes.append(f"default contrast: {sorted(found)}")
    page.actions().click(page.element("IDC_ABOUT")).perform()
    check.equal(violations(page) - PRESCRIBED, set(), "violations with the About box open")
    page.element("about-box").find_element(By.CLASS_NAME, "ok").click()
    if ctx.engine != "chromium":
        return ctx.notes.append("prefers-contrast: more not checked: only Chromium emulates it")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-contrast", "value": "more"}]})
    try:
        check.equal(violations(page), set(), "violations under prefers-contrast: more")
    finally:
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
