#!/usr/bin/env python3
"""Makes the user guide's HTML page from docs/guide.md at build time, with
Debian's Markdown converter (python3-markdown):

    guide-html.py IN.md OUT.html [ENGLISH.md]

Headings get the anchors that the guide's table of contents links to. A
translation (docs/guide.ja.md, say) names the English guide as third
argument: its headings then carry the English guide's anchors, section by
section, so that one anchor opens the same section in every language. A
translation whose sections do not match the English ones, or a link to an
anchor that no heading has, fails the build, and so does a line that
would become a heading by mistake. A line break between two Japanese
characters goes: it would show as a space."""
import html
import os
import re
import sys

import markdown


def slug(value, separator):
    # "1. Install" -> "1-install", as the table of contents writes them.
    value = re.sub(r"[^\w\s-]", "", value.lower()).strip()
    return re.sub(r"[\s]+", separator, value)


HEADING = re.compile(r'<h([1-6]) id="([^"]*)"')


def render(text):
    return markdown.markdown(
        text,
        extensions=["tables", "toc", "sane_lists"],
        extension_configs={"toc": {"slugify": slug}},
        output_format="html",
    )


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def headings(body):
    # Each heading's level and anchor, in the order of the page.
    return [(m.group(1), m.group(2)) for m in HEADING.finditer(body)]


def with_anchors_of(body, english, source):
    # The translated headings take the English anchors, one by one.
    wanted = headings(english)
    found = headings(body)
    if [level for level, _ in found] != [level for level, _ in wanted]:
        sys.exit(f"{source}: its headings do not match the English guide's: "
                 f"{len(found)} headings of levels {''.join(l for l, _ in found)}, "
                 f"the English guide has {len(wanted)} of levels "
                 f"{''.join(l for l, _ in wanted)}")
    anchors = iter(wanted)
    return HEADING.sub(lambda m: f'<h{m.group(1)} id="{next(anchors)[1]}"', body)


# Kana, kanji and the full-width forms, with their punctuation.
WIDE = "\u3000-\u30ff\u3400-\u9fff\uf900-\ufaff\uff00-\uffef"
WIDE_LINE_BREAK = re.compile(f"(?<=[{WIDE}])\n[ \t]*(?=[{WIDE}])")


def joined_wide_lines(text):
    # A line break in a paragraph shows as a space, which Japanese text has
    # none of between its characters: a break between two such characters
    # goes, so that the source can be wrapped as the English one is.
    return WIDE_LINE_BREAK.sub("", text)


def check_headings(text, source):
    # "#TRUE#" at the start of a wrapped line would become a heading.
    for number, line in enumerate(text.splitlines(), 1):
        if re.match(r"#+[^#\s]", line):
            sys.exit(f"{source}:{number}: a line begins with '#' but is no heading: {line}")


def check_links(body, source):
    anchors = {anchor for _, anchor in headings(body)}
    for link in re.findall(r'href="#([^"]*)"', body):
        if link not in anchors:
            sys.exit(f"{source}: the link to #{link} leads to no heading")


def language(source):
    # "guide.ja.md" is Japanese; "guide.md" English.
    parts = os.path.basename(source).split(".")
    return parts[1] if len(parts) == 3 else "en"


def main():
    source, target = sys.argv[1], sys.argv[2]
    text = read(source)
    check_headings(text, source)
    body = render(joined_wide_lines(text))
    if len(sys.argv) > 3:
        english = read(sys.argv[3])
        body = with_anchors_of(body, render(joined_wide_lines(english)), source)
    check_links(body, source)
    lang = language(source)
    title = text.splitlines()[0].lstrip("# ").strip() if text else "User guide"
    page = f"""<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<title>{html.escape(title)}</title>
<style>
body {{ font-family: sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em;
       line-height: 1.45; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
pre {{ background: #f4f4f4; padding: 0.5em; overflow-x: auto; }}
code {{ background: #f4f4f4; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #ccc; padding: 2px 6px; text-align: left; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""
    with open(target, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
