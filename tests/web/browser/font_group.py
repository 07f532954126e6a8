"""The page draws its Chinese in its own font, also on a system without any
CJK font: the labels are shot in three browsers of the engine, the usual one, one whose
fontconfig knows no CJK font (the system's rendering rules still apply, so
the same font is drawn alike), and that one again with the page's font file
withheld, which must then show something else: boxes, not characters."""
import os
import subprocess

from browsers import Browser
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
# it has been asked for and has arrived or failed, and two frames more, in
# which WebKit draws the labels again in it.
FONT_SETTLED = """const done = arguments[0];
(function poll() {
  const fonts = [...document.fonts];
  fonts.length && fonts.every(f => f.status === 'loaded' || f.status === 'error')
    ? requestAnimationFrame(() => requestAnimationFrame(() => done())) : setTimeout(poll, 10);
})();"""


def crop(png, rect):
    """The pixels of an element's box on a shot of the window (WebKit's
    own shots of an element come out blank)."""
    area = "{width}x{height}+{x}+{y}".format(**{k: round(v) for k, v in rect.items()})
    return subprocess.run(["convert", "png:-", "-crop", area, "rgba:-"], input=png,
                          capture_output=True, check=True).stdout


def shots(ctx, tag, env=None, hidden=()):
    server = SiteServer(ctx.site, ctx.host, hidden)
    browser = Browser(ctx.engine, env=env)
    try:
        page = Page(browser.driver, server.url)
        page.open()
        page.driver.execute_async_script(FONT_SETTLED)
        png = page.driver.get_screenshot_as_png()
        with open(os.path.join(ctx.results, f"page-{ctx.engine}-{tag}.png"), "wb") as out:
            out.write(png)
        return {n: crop(png, page.element(n).rect) for n in LABELS}
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
