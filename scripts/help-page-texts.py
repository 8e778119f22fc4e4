#!/usr/bin/env python3
"""The help page's texts, for the translators' files and for each language's page.

  help-page-texts.py extract PAGE.in TEXTS.cpp [--check]
      Writes (or with --check, compares) the C++ file that lists every text
      of the page, so that lupdate puts them into the .ts files.
  help-page-texts.py translate PAGE.in LANG.ts PAGE.LANG.in
      Writes the page with each text replaced by its finished translation
      (texts not yet translated stay English).

A text is a run of inline content (words with <b>, <i>, <a>, <code>, <kbd>)
between block tags, with its white space folded to single spaces. Runs
without a word outside markers and code are not texts, and neither is
anything inside <pre> or <style>.
"""
import html
import re
import sys
import xml.etree.ElementTree as ET

CONTEXT = "HelpPage"
INLINE = {"a", "b", "i", "em", "strong", "code", "kbd", "span", "br"}
VERBATIM = {"pre", "style", "script"}
TOKEN = re.compile(r"<!--.*?-->|<!DOCTYPE[^>]*>|</?([a-zA-Z][a-zA-Z0-9]*)[^>]*>|[^<]+", re.S)


def Runs(page):
    """(start, end) of each inline run, in page order."""
    runs, start, verbatim = [], None, None
    for m in TOKEN.finditer(page):
        tag = (m.group(1) or "").lower()
        is_tag = m.group(0).startswith("<")
        if verbatim:
            if is_tag and tag == verbatim and m.group(0).startswith("</"):
                verbatim = None
            continue
        if is_tag and tag not in INLINE:
            if start is not None:
                runs.append((start, m.start()))
                start = None
            if tag in VERBATIM and not m.group(0).startswith("</"):
                verbatim = tag
            continue
        if start is None:
            start = m.start()
    if start is not None:
        runs.append((start, len(page)))
    return runs


def Folded(text):
    return " ".join(text.split())


def HasWords(text):
    bare = re.sub(r"<(code|kbd)>.*?</\1>", " ", text, flags=re.S)
    bare = re.sub(r"<[^>]*>|@[A-Z_]+@|&[a-z]+;", " ", bare)
    return re.search(r"[^\W\d_]", bare) is not None


def Texts(page):
    """(start, end, folded text) of each text of the page."""
    out = []
    for start, end in Runs(page):
        folded = Folded(page[start:end])
        if folded and HasWords(folded):
            out.append((start, end, folded))
    return out


def CppString(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def Extract(page_path, cpp_path, check):
    page = open(page_path, encoding="utf-8").read()
    seen, lines = set(), []
    for _, _, text in Texts(page):
        if text in seen:
            continue
        seen.add(text)
        lines.append("    QT_TRANSLATE_NOOP(\"%s\", %s),\n" % (CONTEXT, CppString(text)))
    made = ("// Made by scripts/help-page-texts.py from src/res/Introduction.html.in;\n"
            "// edit the page and run the script again, not this file.\n"
            "#include \"texts/HelpPageTexts.h\"\n\n"
            "#include <QtGlobal>\n\n"
            "namespace {\n\n"
            "constexpr const char* kTexts[] = {\n" + "".join(lines) + "};\n\n"
            "}  // namespace\n\n"
            "std::span<const char* const> HelpPageTexts() { return kTexts; }\n")
    if check:
        try:
            old = open(cpp_path, encoding="utf-8").read()
        except OSError:
            old = ""
        if old != made:
            sys.exit("%s is out of date with %s: run scripts/help-page-texts.py extract %s %s"
                     % (cpp_path, page_path, page_path, cpp_path))
        return
    open(cpp_path, "w", encoding="utf-8").write(made)


def Translations(ts_path):
    found = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        if context.findtext("name") != CONTEXT:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            if translation.text:
                found[message.findtext("source")] = translation.text
    return found


def Translate(page_path, ts_path, out_path, language):
    page = open(page_path, encoding="utf-8").read()
    found = Translations(ts_path)
    pieces, last = [], 0
    for start, end, text in Texts(page):
        raw = page[start:end]
        lead = raw[:len(raw) - len(raw.lstrip())]
        trail = raw[len(raw.rstrip()):]
        pieces.append(page[last:start])
        pieces.append(lead + found.get(text, text) + trail)
        last = end
    pieces.append(page[last:])
    made = "".join(pieces).replace('<html lang="en">', '<html lang="%s">' % html.escape(language), 1)
    open(out_path, "w", encoding="utf-8").write(made)


def main(argv):
    if len(argv) >= 4 and argv[1] == "extract":
        Extract(argv[2], argv[3], "--check" in argv[4:])
    elif len(argv) == 5 and argv[1] == "translate":
        language = re.sub(r"^.*quillmere_|\.ts$", "", argv[3]).replace("_", "-")
        Translate(argv[2], argv[3], argv[4], language)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
