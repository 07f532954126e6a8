"""The dialog's behaviour in the page, each group a table of cases run with
real keys and clicks. Expected texts and geometry come from the dialog
description (page_description) and tests/golden/density.tsv."""
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page_driver import BOXES

LIMITED = ("IDC_WIDTH", "IDC_HEIGHT", "IDC_DIAGONAL")
TRIGGERS = ("IDC_WIDTH", "IDC_HEIGHT", "IDC_DIAGONAL", "button")
# What the dialog shows for its template's values, and the second size row.
OPENING_RESULT = "102"
CALCULATIONS = [("2560", "1440", "27", "109")]
NON_ASCII_DIAGONALS = ("Ａ", "中", "２１.５")


def controls(ctx):
    return {c["name"]: c for c in ctx.description["controls"]}


def template_text(ctx, name):
    return controls(ctx)[name]["text"]


def golden_rows(ctx, count):
    """Rows of density.tsv whose texts fit the boxes and can be typed."""
    limit = ctx.description["inputLimit"]
    rows = []
    for line in open(ctx.golden, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if line.startswith("#") or len(fields) < 4 or any(len(f) > limit for f in fields[:3]):
            continue
        rows.append(fields[:4])
    step = max(1, len(rows) // count)
    error = ctx.description["inputError"]
    return [(w, h, d, error if r == "input-error" else r) for w, h, d, r in rows[::step][:count]]


def opening(ctx, page, check):
    page.open()
    check.equal(page.driver.title, ctx.description["caption"], "title")
    expected = [template_text(ctx, name) for name in LIMITED] + [OPENING_RESULT]
    check.equal(page.values(), expected, "boxes on opening")
    check.equal(page.active(), "IDC_WIDTH", "focus on opening")
    selection = page.driver.execute_script(
        "const e = document.activeElement; return [e.selectionStart, e.selectionEnd]")
    check.equal(selection, [0, len(expected[0])], "selection in the width box")


def limits(ctx, page, check):
    limit = ctx.description["inputLimit"]
    page.open()
    for text in ("123456", "ab中de", "     "):
        for name in BOXES:
            page.type_into(name, text)
            kept = text if name == "IDC_RESULT" else text[:limit]
            check.equal(page.values()[BOXES.index(name)], kept, f"typed {text!r} into {name}")
    for text in ("98765", "1.2345678"):
        page.copy_to_clipboard(text)
        for name in LIMITED:
            page.paste_into(name)
            check.equal(page.values()[BOXES.index(name)], text[:limit],
                        f"pasted {text!r} into {name}")
        page.paste_into("IDC_RESULT")
        check.equal(page.values()[3], text, f"pasted {text!r} into the result box")


def calculate_rows(page, check, rows):
    for width, height, diagonal, expected in rows:
        for name, text in zip(LIMITED, (width, height, diagonal)):
            page.type_into(name, text)
        for how in TRIGGERS:
            page.type_into("IDC_RESULT", "")
            page.trigger(how)
            check.equal(page.values()[3], expected, f"{width} x {height} at {diagonal!r} by {how}")


def calculation(ctx, page, check):
    page.open()
    calculate_rows(page, check, CALCULATIONS + golden_rows(ctx, 10))


def non_ascii(ctx, page, check):
    page.open()
    error = ctx.description["inputError"]
    rows = [("1920", "1080", d, error) for d in NON_ASCII_DIAGONALS]
    calculate_rows(page, check, rows)
    check.equal(page.values()[2], NON_ASCII_DIAGONALS[-1], "the diagonal box keeps what was typed")


def escape(ctx, page, check):
    page.open()
    before = page.values()
    for name in list(BOXES) + ["IDC_CALCULATE", "IDC_ABOUT", "IDC_CONTACT"]:
        page.driver.execute_script("arguments[0].focus()", page.element(name))
        page.press(Keys.ESCAPE)
        check.equal(page.values(), before, f"boxes after Esc in {name}")
        check.equal(page.active(), name, f"focus after Esc in {name}")
        check.equal(open_dialogs(page), [], f"boxes open after Esc in {name}")


def open_dialogs(page):
    return page.driver.execute_script(
        "return [...document.querySelectorAll('dialog[open]')].map(d => d.id)")


def tab_stops(ctx):
    stops = [c["name"] for c in ctx.description["controls"] if c["tabStop"]]
    return stops[:stops.index("IDC_ABOUT") + 1] + ["IDC_CONTACT"]


def expected_name(ctx, name):
    return ctx.description["boxNames"].get(name) or template_text(ctx, name)


def tab_order(ctx, page, check):
    page.open()
    stops = tab_stops(ctx)
    seen = [page.active()]
    for _ in stops[1:]:
        page.press(Keys.TAB)
        seen.append(page.active())
    check.equal(seen, stops, "Tab")
    back = [page.active()]
    for _ in stops[1:]:
        page.actions().key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        back.append(page.active())
    check.equal(back, stops[::-1], "Shift+Tab")
    for name in stops:
        element = page.element(name)
        role = "textbox" if controls(ctx)[name]["class"] == "edit" else "button"
        check.equal(element.aria_role, role, f"role of {name}")
        check.equal(element.accessible_name, expected_name(ctx, name), f"name of {name}")


# Who opens which box, how it is opened and how it is closed.
MESSAGE_BOXES = {"IDC_ABOUT": ("about-box", "about", True),
                 "IDC_CONTACT": ("contact-box", "contact", False)}
MESSAGE_ROWS = [("IDC_ABOUT", "click", "enter"), ("IDC_ABOUT", "enter", "escape"),
                ("IDC_ABOUT", "click", "ok"), ("IDC_CONTACT", "click", "escape"),
                ("IDC_CONTACT", "enter", "ok"), ("IDC_CONTACT", "click", "enter")]


def message_boxes(ctx, page, check):
    page.open()
    for opener, how_open, how_close in MESSAGE_ROWS:
        box_id, key, has_icon = MESSAGE_BOXES[opener]
        what = f"{box_id} opened by {how_open} on {opener}, closed by {how_close}"
        message = ctx.description[key]
        if how_open == "click":
            page.actions().click(page.element(opener)).perform()
        else:
            page.driver.execute_script("arguments[0].focus()", page.element(opener))
            page.press(Keys.ENTER)
        box = page.element(box_id)
        check.equal(open_dialogs(page), [box_id], f"{what}: open boxes")
        check.equal(box.accessible_name, message["caption"], f"{what}: caption")
        check.equal([box.aria_role, page.driver.execute_script(
            "return arguments[0].matches(':modal')", box)], ["dialog", True], f"{what}: modal")
        lines = [p.get_attribute("textContent") for p in box.find_elements(By.TAG_NAME, "p")]
        check.equal(lines, message["text"].split("\r"), f"{what}: lines")
        check.equal(len(box.find_elements(By.CLASS_NAME, "icon")), int(has_icon), f"{what}: icon")
        check.equal(page.active(), "ok", f"{what}: focus in the box")
        if how_close == "ok":
            page.actions().click(box.find_element(By.CLASS_NAME, "ok")).perform()
        else:
            page.press(Keys.ENTER if how_close == "enter" else Keys.ESCAPE)
        check.equal(open_dialogs(page), [], f"{what}: open after closing")
        check.equal(page.active(), opener, f"{what}: focus after closing")


def mul_div(value, numerator, denominator):
    return (2 * value * numerator // denominator + 1) // 2


def to_pixels(rect):
    x, y, cx, cy = rect
    return [x * 2, mul_div(y, 14, 8), cx * 2, mul_div(cy, 14, 8)]


RECTS = """return arguments[0].map(id => {
  const r = document.getElementById(id).getBoundingClientRect();
  const o = document.getElementById('IDD_MAIN').getBoundingClientRect();
  return [r.left - o.left, r.top - o.top, r.width, r.height].map(v => Math.round(v * 100) / 100);
});"""
COLOURS = """return arguments[0].map(([id, property]) =>
  getComputedStyle(document.getElementById(id))[property]);"""


def geometry(ctx, page, check):
    page.open()
    cx, cy = ctx.description["size"]
    names = list(controls(ctx))
    rects = page.driver.execute_script(RECTS, ["IDD_MAIN"] + names)
    check.equal(rects[0][2:], to_pixels([0, 0, cx, cy])[2:], "client area")
    for name, rect in zip(names, rects[1:]):
        check.equal(rect, to_pixels(controls(ctx)[name]["rect"]), f"border box of {name}")
    rgb = lambda c: f"rgb({c[0]}, {c[1]}, {c[2]})"
    wanted = [((n, "color"), rgb(c)) for n, c in ctx.description["editTextColours"].items()]
    wanted += [((n, "color"), rgb(c)) for n, c in ctx.description["staticTextColours"].items()]
    wanted += [((n, "backgroundColor"), rgb(ctx.description["editBackground"]))
               for n in BOXES]
    shown = page.driver.execute_script(COLOURS, [list(w[0]) for w in wanted])
    for (where, colour), got in zip(wanted, shown):
        check.equal(got, colour, f"{where[1]} of {where[0]}")
    narrow_viewport(ctx, page, check, cx * 2, mul_div(cy, 14, 8))


def narrow_viewport(ctx, page, check, width, height):
    """On a screen narrower than the dialog, the whole dialog scales to fit."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width // 2, "height": 400, "deviceScaleFactor": 1, "mobile": False})
    try:
        rect = page.driver.execute_script(RECTS, ["IDD_MAIN"])[0]
        check.true(0 < rect[2] <= width // 2, f"dialog {rect[2]} px wide in {width // 2} px")
        check.true(abs(rect[3] / rect[2] - height / width) < 0.01,
                   f"dialog proportions {rect[2]} x {rect[3]}, not {width} x {height}")
    finally:
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
