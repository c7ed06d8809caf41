#!/usr/bin/env python3
"""Makes the user guide's HTML page from docs/guide.md at build time, with
Debian's Markdown converter (python3-markdown): guide-html.py IN.md OUT.html.
Headings get the anchors that the guide's table of contents links to."""
import html
import re
import sys

import markdown


def slug(value, separator):
    # "1. Install" -> "1-install", as the table of contents writes them.
    value = re.sub(r"[^\w\s-]", "", value.lower()).strip()
    return re.sub(r"[\s]+", separator, value)


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    body = markdown.markdown(
        text,
        extensions=["tables", "toc", "sane_lists"],
        extension_configs={"toc": {"slugify": slug}},
        output_format="html",
    )
    title = text.splitlines()[0].lstrip("# ").strip() if text else "User guide"
    page = f"""<!DOCTYPE html>
<html lang="en">
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
