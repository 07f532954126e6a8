"""The dialog's behaviour in the page, each group a table of cases run with
real keys and clicks, on a desktop and, with fewer cases, on a phone
(ctx.phone). Expected texts and geometry (the Linux window's) come from the
dialog description (page_description) and tests/golden/density.tsv."""
import os
import re
import urllib.request

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browsers import fit_viewport, headless_chromium
from differential_group import TAKE, WATCH
from page_driver import BOXES, Page
from site_server import SiteServer

PHONE = headless_chromium.PHONE
DESKTOP = (1024, 768)  # the window the dialog is measured in, CSS pixels

LIMITED = BOXES[:3]
TRIGGERS = BOXES + ("button",)  # Enter in any box, the result box too, or a click
OPENING_RESULT = "102"  # for the template's 1920, 1080 and 21.5
# The one case table of typed texts and results, for every front-end.
CASES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../cases/calculations.tsv")


def tsv_rows(ctx, path):
    """Width, height, diagonal and result of each row of a table of cases,
    the input-error text written out."""
    rows = [line.rstrip("\n").split("\t")[:4] for line in open(path, encoding="utf-8")
            if not line.startswith("#")]
    return [(w, h, d, ctx.description["inputError"] if r == "input-error" else r)
            for w, h, d, r in rows]


def golden_rows(ctx, count):
    """Rows of density.tsv whose texts fit the boxes."""
    limit = ctx.description["inputLimit"]
    rows = [r for r in tsv_rows(ctx, ctx.golden) if all(len(f) <= limit for f in r[:3])]
    return rows[::len(rows) // count]


def opening(ctx, page, check):
    """The first response already shows the boxes' texts and the result; the
    module's first calculation, on the same texts, writes the same result."""
    with urllib.request.urlopen(page.url) as response:
        served = dict(re.findall(r'<input id="(\w+)" value="([^"]*)"', response.read().decode()))
    texts = [ctx.controls[name]["text"] for name in LIMITED]
    check.equal([served.get(name) for name in BOXES], texts + [OPENING_RESULT],
                "boxes in the first response")
    watched = SiteServer(ctx.site, ctx.host, first_script=WATCH)
    ctx.origins.add(watched.url)
    try:
        Page(page.driver, watched.url).open()
        check.equal(page.driver.execute_script(TAKE), [texts + [OPENING_RESULT]],
                    "what the module wrote on opening")
    finally:
        watched.stop()
    page.open()
    check.equal(page.driver.title, ctx.description["caption"], "title")
    check.equal(page.values(), texts + [OPENING_RESULT], "boxes on opening")
    check.equal(page.active(), "IDC_WIDTH", "focus on opening")
    check.equal(page.driver.execute_script("const e = document.activeElement;"
                                           "return [e.selectionStart, e.selectionEnd]"),
                [0, len(texts[0])], "selection in the width box")


def limits(ctx, page, check):
    """Typed or pasted: the three input boxes keep the first characters only."""
    limit = ctx.description["inputLimit"]
    page.open()
    for how, text in (("typed", "123456"), ("typed", "ab中de"), ("typed", "     "),
                      ("pasted", "98765"), ("pasted", "1.2345678")):
        if how == "pasted":  # copied from the result box, which takes any length
            page.type_into("IDC_RESULT", text)
            page.chords("a", "c").perform()
        for index, name in enumerate(BOXES):
            if how == "pasted":
                page.chords("a", "v", name=name).perform()
            else:
                page.type_into(name, text)
            kept = text if name == "IDC_RESULT" else text[:limit]
            check.equal(page.values()[index], kept, f"{how} {text!r} into {name}")


def calculate_rows(page, check, rows):
    """Each row by each trigger, the three boxes left as typed."""
    for row in rows:
        for name, text in zip(LIMITED, row):
            page.type_into(name, text)
        for how in TRIGGERS:
            page.type_into("IDC_RESULT", "")
            target = page.element("IDC_CALCULATE" if how == "button" else how)
            chain = page.actions().click(target)
            (chain if how == "button" else chain.send_keys(Keys.ENTER)).perform()
            check.equal(page.values(), list(row), f"{row[:3]} by {how}")


def calculation(ctx, page, check):
    page.open()
    rows = tsv_rows(ctx, CASES)
    calculate_rows(page, check, rows[:2] if ctx.phone else rows + golden_rows(ctx, 10))


def open_boxes(page):
    return page.driver.execute_script(
        "return [...document.querySelectorAll('dialog[open]')].map(d => d.id)")


def escape(ctx, page, check):
    page.open()
    before = page.values()
    for name in BOXES + ("IDC_CALCULATE", "IDC_ABOUT", "IDC_CONTACT"):
        page.focus(name)
        page.press(Keys.ESCAPE)
        check.equal([page.values(), page.active(), open_boxes(page)], [before, name, []],
                    f"boxes, focus and open message boxes after Esc in {name}")


def tab_order(ctx, page, check):
    """The template's tab stops, the contact line after 关于, and their names."""
    page.open()
    stops = [c["name"] for c in ctx.description["controls"] if c["tabStop"]]
    stops = stops[:stops.index("IDC_ABOUT") + 1] + ["IDC_CONTACT"]
    seen = [page.active()]
    for _ in stops[1:]:
        page.press(Keys.TAB)
        seen.append(page.active())
    for _ in stops[1:]:
        page.actions().key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        seen.append(page.active())
    check.equal(seen, stops + stops[-2::-1], "Tab, then Shift+Tab")
    for name in stops:
        element, control = page.element(name), ctx.controls[name]
        role = "textbox" if control["class"] == "edit" else "button"
        name_text = ctx.description["boxNames"].get(name, control["text"])
        check.equal([element.aria_role, element.accessible_name], [role, name_text], name)


# How each message box of the commands table is opened and closed, in turn.
MESSAGE_WAYS = [("click", "enter"), ("enter", "escape"), ("click", "ok")]


def message_boxes(ctx, page, check):
    page.open()
    rows = [(box, *MESSAGE_WAYS[(i + j) % 3])
            for j, box in enumerate(ctx.description["messageBoxes"]) for i in range(3)]
    for (opener, box_id, caption, text, icons), how_open, how_close in (rows[:1] if ctx.phone
                                                                      else rows):
        what = f"{box_id} opened by {how_open} on {opener}, closed by {how_close}"
        if how_open == "click":
            page.actions().click(page.element(opener)).perform()
        else:
            page.focus(opener)
            page.press(Keys.ENTER)
        box = page.element(box_id)
        lines = [p.get_attribute("textContent") for p in box.find_elements(By.TAG_NAME, "p")]
        check.equal([open_boxes(page), box.aria_role, box.accessible_name,
                     page.driver.execute_script("return arguments[0].matches(':modal')", box),
                     lines, len(box.find_elements(By.CLASS_NAME, "icon")), page.active()],
                    [[box_id], "dialog", caption, True, text.split("\r"), icons, "ok"],
                    f"{what}: open boxes, role, caption, modal, lines, icons, focus")
        close = {"enter": Keys.ENTER, "escape": Keys.ESCAPE}.get(how_close)
        page.press(close) if close else box.find_element(By.CLASS_NAME, "ok").click()
        check.equal([open_boxes(page), page.active()], [[], opener], f"{what}: after closing")


RECTS = """const o = document.getElementById('IDD_MAIN').getBoundingClientRect();
return arguments[0].map(id => {
  const r = document.getElementById(id).getBoundingClientRect();
  return [r.left - o.left, r.top - o.top, r.width, r.height].map(v => Math.round(v * 100) / 100);
});"""
COLOURS = "return arguments[0].map(([id, p]) => getComputedStyle(document.getElementById(id))[p])"


def check_colours(ctx, page, check):
    colours = ctx.description["colours"]
    for (name, css, colour), got in zip(colours, page.driver.execute_script(COLOURS, colours)):
        check.equal(got, colour, f"{css} of {name}")


def geometry(ctx, page, check):
    fit_viewport(page.driver, *DESKTOP)
    page.open()
    names = ["IDD_MAIN"] + list(ctx.controls)  # the dialog's own box is its client area
    expected = [[0, 0] + ctx.description["client"]] + [c["rect"] for c in ctx.controls.values()]
    for name, rect, want in zip(names, page.driver.execute_script(RECTS, names), expected):
        check.equal(rect, want, f"border box of {name}")
    width, height = expected[0][2:]
    check_colours(ctx, page, check)
    # Narrowed to a phone's width, and loaded again there, the whole dialog
    # scales to fit, with nothing to scroll sideways.
    narrow = PHONE["width"]
    fit_viewport(page.driver, narrow, DESKTOP[1])
    try:
        for when in ("after narrowing the window", "after a reload"):
            shrunk = page.driver.execute_script(RECTS, ["IDD_MAIN"])[0]
            screen = page.driver.execute_script(SCREEN)
            proportions = abs(shrunk[3] / shrunk[2] - height / width) if shrunk[2] else 1
            check.true(0 < shrunk[2] <= narrow and proportions < 0.01,
                       f"dialog {shrunk[2]} x {shrunk[3]} in a {narrow} px window {when}")
            check.equal(screen[::2], [narrow] * 2, f"width and scrolled width {when}")
            page.open()
    finally:
        fit_viewport(page.driver, *DESKTOP)


# On a phone, in CSS pixels: the least target (iOS asks for 44 points) and
# box text (below 16 px a phone zooms into the box it focuses); the narrowest
# phone, which must not scroll sideways, and a small one that shows it all.
LEAST_TARGET, LEAST_BOX_TEXT = 44, 16
NARROWEST, SMALL = (320, 640), (360, 640)
FONT_SIZES = ("return arguments[0].map(id =>"
              " parseFloat(getComputedStyle(document.getElementById(id)).fontSize))")
SCREEN = ("const e = document.documentElement;"
          "return [innerWidth, innerHeight, e.scrollWidth, e.scrollHeight]")


def on_screen(page, size):
    """innerWidth, innerHeight, scrollWidth and scrollHeight on a phone of
    that size."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        **PHONE, "width": size[0], "height": size[1], "mobile": True})
    return page.driver.execute_script(SCREEN)


def layout(ctx, page, check):
    """The phone's one column: targets and box text large enough; each label
    above its box, boxes with one label on one row; the tab stops row by row
    in their order, a button beside the button before it; the same colours;
    no sideways scrolling on the narrowest phone, all of it on a small one."""
    page.open()
    rects = dict(zip(ctx.controls, page.driver.execute_script(RECTS, list(ctx.controls))))
    stops = [name for name, c in ctx.controls.items() if c["tabStop"]] + ["IDC_CONTACT"]
    page.actions().click(page.element("IDC_ABOUT")).perform()
    ok = page.element("about-box").find_element(By.CLASS_NAME, "ok")
    targets = {name: rects[name][2:] for name in stops}
    targets["OK"] = [ok.size["width"], ok.size["height"]]
    ok.click()
    for name, size in targets.items():
        check.true(min(size) >= LEAST_TARGET, f"target {name} measures {size}")
    sizes = page.driver.execute_script(FONT_SIZES, BOXES)
    check.true(min(sizes) >= LEAST_BOX_TEXT, f"box text sizes {sizes}")
    ctx.notes.append(f"least target {min(min(size) for size in targets.values())} px, "
                     f"box text {min(sizes)} px")
    for box, label in ctx.description["boxLabels"].items():
        (lx, ly, lw, lh), (bx, by, bw, _) = rects[label], rects[box]
        check.true(ly + lh <= by and lx < bx + bw and bx < lx + lw, f"{label} above {box}")
        sharing = [b for b, l in ctx.description["boxLabels"].items() if l == label]
        check.equal({rects[b][1] for b in sharing}, {by}, f"rows of the boxes labelled {label}")
    for index, name in enumerate(stops):
        top, earlier = rects[name][1], stops[:index]
        beside = any(ctx.controls[e]["class"] == ctx.controls[name]["class"] == "button"
                     and rects[e][1] == top for e in earlier)
        check.true(beside or all(top >= rects[e][1] for e in earlier), f"row of {name}")
    check_colours(ctx, page, check)
    try:
        narrowest, small = on_screen(page, NARROWEST), on_screen(page, SMALL)
        check.equal(narrowest[::2], [NARROWEST[0]] * 2, "width and scrolled width at 320 px")
        check.equal(small[1::2], [SMALL[1]] * 2, "height and scrolled height at 360 x 640")
        ctx.notes.append(f"320 px: {narrowest}, 360 x 640: {small} (inner, scrolled)")
    finally:
        on_screen(page, (PHONE["width"], PHONE["height"]))
