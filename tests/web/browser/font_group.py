"""The page draws its Chinese in its own font, also on a system without any
CJK font: the labels are shot in three browsers, the usual one, one whose
fontconfig knows no CJK font (the system's rendering rules still apply, so
the same font is drawn alike), and that one again with the page's font file
withheld, which must then show something else: boxes, not characters."""
import os

from chromium import Chromium
from page_driver import Page
from site_server import SiteServer

LABELS = ("IDC_LABEL_RESOLUTION", "IDC_LABEL_SIZE", "IDC_CALCULATE")
FONT_FILE = "quorvel.woff2"
LATIN_ONLY = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>{cache}</cachedir>
<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>
"""
# The script asks for the page's font once the page has painted: wait until
# it has been asked for and has arrived or failed.
FONT_SETTLED = """const done = arguments[0];
(function poll() {
  const fonts = [...document.fonts];
  fonts.length && fonts.every(f => f.status === 'loaded' || f.status === 'error')
    ? done() : setTimeout(poll, 10);
})();"""
CLIP = """const r = document.getElementById(arguments[0]).getBoundingClientRect();
return {x: r.left, y: r.top, width: r.width, height: r.height, scale: 1};"""


def shots(ctx, tag, env=None, hidden=()):
    server = SiteServer(ctx.site, ctx.host, hidden)
    browser = Chromium(env=env)
    try:
        page = Page(browser.driver, server.url)
        page.open()
        page.driver.execute_async_script(FONT_SETTLED)
        page.driver.save_screenshot(os.path.join(ctx.results, f"page-{tag}.png"))
        return {n: page.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "clip": page.driver.execute_script(CLIP, n)})["data"] for n in LABELS}
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
        check.true(own[name] == usual[name], f"{name}: drawn otherwise without system CJK fonts")
        check.true(own[name] != withheld[name], f"{name}: drawn alike with the font withheld")
    ctx.notes.append(f"shots in {ctx.results}")
