"""Generated cases typed into the page with real keys, each answer held
against the native core (differential_cases). For speed the cases go in
batches of key strokes, in two browsers at once (typing waits on the browser
more than it works the processor); a watch on the result box records what
each calculation wrote and what the three boxes held at that moment."""
import concurrent.futures
import subprocess
import time

from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

from browsers import Browser
from page_driver import Page

BATCH = 25
# Also before the page's own script runs (opening installs it so).
WATCH = """const own = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
const boxes = ['IDC_WIDTH', 'IDC_HEIGHT', 'IDC_DIAGONAL'];
window.quorvelShown = [];
Object.defineProperty(HTMLInputElement.prototype, 'value', {
  get() { return own.get.call(this); },
  set(text) {
    if (this.id === 'IDC_RESULT')
      window.quorvelShown.push([...boxes.map(id => document.getElementById(id).value), text]);
    own.set.call(this, text);
  },
});"""
TAKE = "const shown = window.quorvelShown; window.quorvelShown = []; return shown;"
# Shift+Tab presses from where each trigger leaves the focus to the width box.
BACK_TO_WIDTH = {"enter-width": 0, "enter-height": 1, "enter-diagonal": 2, "button": 3}


def generated_cases(ctx, count):
    out = subprocess.run([ctx.cases, str(count), str(ctx.seed)], check=True,
                         capture_output=True, text=True).stdout
    text = lambda units: "".join(chr(int(u, 16)) for u in units.split(",") if u)
    return [(t, text(w), text(h), text(d), r) for t, w, h, d, r in
            (line.split("\t") for line in out.splitlines())]


def type_case(keys, trigger, width, height, diagonal):
    """From the width box with its text selected: the three texts with Tab
    between them (Tab selects the next box's text, so typing replaces it; an
    empty text is a Delete of the selection), the trigger, and back to the
    width box with its text selected, by keys alone: a click costs as much as
    a dozen keys, so 计算 is pressed with Space (the calculation table clicks it)."""
    back = BACK_TO_WIDTH[trigger]
    keys.send_keys(Keys.TAB.join(t or Keys.DELETE for t in (width, height, diagonal)))
    # Back to the box Enter goes to, the trigger, on to the width box (which
    # selects its text) or, when the trigger left the focus there, Ctrl+A.
    for modifier, text in ((Keys.SHIFT, Keys.TAB * (2 - min(back, 2))),
                           (None, Keys.TAB + Keys.SPACE if trigger == "button" else Keys.ENTER),
                           (Keys.SHIFT, Keys.TAB * back), (Keys.CONTROL, "" if back else "a")):
        if not text:
            continue
        modifier and keys.key_down(modifier)
        keys.send_keys(text)
        modifier and keys.key_up(modifier)


def type_cases(page, cases, check):
    """What each calculation showed and held."""
    page.open()
    page.driver.execute_script(WATCH)
    shown = []
    for first in range(0, len(cases), BATCH):
        batch = ActionBuilder(page.driver, duration=0)  # keys alone: no pointer to keep step
        for case in cases[first:first + BATCH]:
            type_case(batch.key_action, *case[:4])
        batch.perform()
        shown += page.driver.execute_script(TAKE)
    return shown


def differential(ctx, page, check):
    # The module computes alike in every engine: the others type a fifth of
    # the cases, through their own keys and boxes.
    count = ctx.case_count if ctx.engine == "chromium" else ctx.case_count // 5
    cases = generated_cases(ctx, count)
    check.equal(len(cases), count, "generated cases")
    start, half, second = time.monotonic(), len(cases) // 2, Browser(ctx.engine)
    try:
        with concurrent.futures.ThreadPoolExecutor(1) as pool:
            later = pool.submit(type_cases, Page(second.driver, page.url), cases[half:], check)
            shown = type_cases(page, cases[:half], check) + later.result()
    finally:
        second.close()
    ctx.notes.append(f"{len(cases)} cases typed in {time.monotonic() - start:.1f} s, two browsers")
    check.equal(len(shown), len(cases), "calculations")
    limit = ctx.description["inputLimit"]
    expected = [[t[:limit] for t in c[1:4]] + [c[4]] for c in cases]
    bad = [i for i, (want, got) in enumerate(zip(expected, shown)) if got != want]
    for i in bad[:10]:
        check.equal(shown[i], expected[i], f"case {i} {cases[i][:4]!r}")
    check.equal(len(bad), 0, f"disagreements of {len(cases)}")
