"""The dialog's behaviour in the page, each group a table of cases run with
real keys and clicks. Expected texts and geometry (the Linux window's) come
from the dialog description (page_description) and tests/golden/density.tsv."""
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page_driver import BOXES

LIMITED = BOXES[:3]
TRIGGERS = BOXES + ("button",)  # Enter in any box, the result box too, or a click
OPENING_RESULT = "102"  # for the template's 1920, 1080 and 21.5
CALCULATIONS = [("2560", "1440", "27", "109"), ("-5", "1080", "21.5", "50")]
# Characters outside ASCII, and diagonals no display has.
REFUSED_DIAGONALS = ("Ａ", "中", "２１.５", "0", "-0", "0.0", "-5", "1e-9")


def golden_rows(ctx, count):
    """Rows of density.tsv whose texts fit the boxes."""
    limit, error = ctx.description["inputLimit"], ctx.description["inputError"]
    rows = [line.rstrip("\n").split("\t") for line in open(ctx.golden, encoding="utf-8")
            if not line.startswith("#")]
    rows = [r[:4] for r in rows if len(r) >= 4 and all(len(f) <= limit for f in r[:3])]
    return [(w, h, d, error if r == "input-error" else r)
            for w, h, d, r in rows[::len(rows) // count]]


def opening(ctx, page, check):
    page.open()
    check.equal(page.driver.title, ctx.description["caption"], "title")
    texts = [ctx.controls[name]["text"] for name in LIMITED]
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
    calculate_rows(page, check, CALCULATIONS + golden_rows(ctx, 10))


def non_ascii(ctx, page, check):
    page.open()
    calculate_rows(page, check, [("1920", "1080", d, ctx.description["inputError"])
                                 for d in REFUSED_DIAGONALS])


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


# Opener: its box, its text in the description and whether it shows an icon;
# then who opens which box, how, and how it is closed.
MESSAGE_BOXES = {"IDC_ABOUT": ("about-box", "about", 1),
                 "IDC_CONTACT": ("contact-box", "contact", 0)}
MESSAGE_ROWS = [("IDC_ABOUT", "click", "enter"), ("IDC_ABOUT", "enter", "escape"),
                ("IDC_ABOUT", "click", "ok"), ("IDC_CONTACT", "click", "escape"),
                ("IDC_CONTACT", "enter", "ok"), ("IDC_CONTACT", "click", "enter")]


def message_boxes(ctx, page, check):
    page.open()
    for opener, how_open, how_close in MESSAGE_ROWS:
        box_id, key, icons = MESSAGE_BOXES[opener]
        what = f"{box_id} opened by {how_open} on {opener}, closed by {how_close}"
        caption, text = ctx.description[key]
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


def geometry(ctx, page, check):
    page.open()
    names = ["IDD_MAIN"] + list(ctx.controls)  # the dialog's own box is its client area
    expected = [[0, 0] + ctx.description["client"]] + [c["rect"] for c in ctx.controls.values()]
    for name, rect, want in zip(names, page.driver.execute_script(RECTS, names), expected):
        check.equal(rect, want, f"border box of {name}")
    width, height = expected[0][2:]
    colours = ctx.description["colours"]
    for (name, css, colour), got in zip(colours, page.driver.execute_script(COLOURS, colours)):
        check.equal(got, colour, f"{css} of {name}")
    # On a screen narrower than the dialog, the whole dialog scales to fit.
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width // 2, "height": 400, "deviceScaleFactor": 1, "mobile": False})
    try:
        shrunk = page.driver.execute_script(RECTS, ["IDD_MAIN"])[0]
        proportions = abs(shrunk[3] / shrunk[2] - height / width) if shrunk[2] else 1
        check.true(0 < shrunk[2] <= width // 2 and proportions < 0.01,
                   f"dialog {shrunk[2]} x {shrunk[3]} in a {width // 2} px wide screen")
    finally:
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
