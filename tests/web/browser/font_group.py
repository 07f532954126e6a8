"""The page draws its Chinese in its own font, also on a system without any
CJK font: the labels are shot in three browsers, the usual one, one whose
fontconfig knows no CJK font, and that one again with the page's font file
withheld (which must then show something else: boxes, not characters).
The system's own rendering rules still apply, so that the same font is drawn
alike in both."""
import base64
import os

from chromium import Chromium
from page_driver import Page
from png_pixels import grey_rows
from site_server import SiteServer

LABELS = ("IDC_LABEL_RESOLUTION", "IDC_LABEL_SIZE", "IDC_CALCULATE")
FONT_FILE = "quorvel.woff2"
LATIN_ONLY = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>{cache}</cachedir>
<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>
"""


def shoot(page, name, path):
    rect = page.driver.execute_script(
        "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
        "return [r.left, r.top, r.width, r.height];", name)
    shot = page.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png", "clip": {
        "x": rect[0], "y": rect[1], "width": rect[2], "height": rect[3], "scale": 1}})
    png = base64.b64decode(shot["data"])
    with open(path, "wb") as out:
        out.write(png)
    return grey_rows(png)


def difference(a, b):
    """Mean absolute difference of two shots' grey levels."""
    pairs = [(p, q) for ra, rb in zip(a, b) for p, q in zip(ra, rb)]
    return sum(abs(p - q) for p, q in pairs) / max(1, len(pairs))


def shots(ctx, tag, env=None, hidden=()):
    server = SiteServer(ctx.site, hidden)
    browser = Chromium(env=env)
    try:
        page = Page(browser.driver, server.url)
        page.open()
        page.driver.execute_async_script("document.fonts.ready.then(arguments[0])")
        page.driver.save_screenshot(os.path.join(ctx.results, f"page-{tag}.png"))
        return {n: shoot(page, n, os.path.join(ctx.results, f"{n}-{tag}.png")) for n in LABELS}
    finally:
        browser.close()
        server.stop()


def own_font(ctx, page, check):
    config = os.path.join(ctx.results, "latin-only-fonts.conf")
    with open(config, "w") as out:
        out.write(LATIN_ONLY.format(cache=os.path.join(ctx.results, "fontconfig-cache")))
    latin_only = {"FONTCONFIG_FILE": config}
    usual = shots(ctx, "usual")
    own = shots(ctx, "latin-only", latin_only)
    withheld = shots(ctx, "font-withheld", latin_only, hidden=[FONT_FILE])
    for name in LABELS:
        ink = sum(v < 128 for row in own[name] for v in row)
        check.true(ink > 20, f"{name}: only {ink} dark pixels without system CJK fonts")
        same = difference(usual[name], own[name])
        other = difference(withheld[name], own[name])
        ctx.note(f"{name}: {ink} dark pixels; differs from the usual system by {same:.2f},"
                 f" from the page without its font by {other:.2f} (grey levels)")
        check.true(same < 1.0, f"{name}: drawn differently without system CJK fonts ({same:.2f})")
        check.true(other > 4 * max(same, 0.5),
                   f"{name}: looks the same with the page's font withheld ({other:.2f})")
