#!/usr/bin/env python3
"""Checks the translations against the texts of the source.

usage: check-translations.py [--lupdate PATH] [--only LANG] REPO_ROOT

Fails (exit 1) when a text of the source is missing from a .ts file, when a
translation is unfinished or empty, or when a translation drops or adds a
%1-style marker or the %n of a plural, or breaks a text of the help page
(its HTML tags and their attributes, its @MARKERS@ and what its <code> holds
must stay, with the tags well nested). Prints one line per fault, naming the
file, the context and the text. Exits 77 (skipped) when lupdate is missing.
quillmere_en.ts holds only the plural texts (their English singular and
plural forms) and is checked for those.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MARKER = re.compile(r"%(\d{1,2}|L?n)")
TAG = re.compile(r"<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>")
PAGE_MARKER = re.compile(r"@[A-Z_]+@")
CODE = re.compile(r"<code>(.*?)</code>", re.S)
VOID_TAGS = {"br", "img", "hr", "wbr"}


def messages(path):
    """(context, source, comment) -> message element, obsolete ones left out."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("obsolete", "vanished"):
                continue
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            found[key] = message
    return found


def markers(text):
    return sorted(set(MARKER.findall(text or "")))


def forms(message):
    translation = message.find("translation")
    if translation is None:
        return []
    if message.get("numerus") == "yes":
        return [f.text or "" for f in translation.iter("numerusform")]
    return [translation.text or ""]


def nested(text):
    """Whether every tag of text is closed in order."""
    open_tags = []
    for m in TAG.finditer(text):
        name = m.group(2).lower()
        if name in VOID_TAGS:
            continue
        if not m.group(1):
            open_tags.append(name)
        elif not open_tags or open_tags.pop() != name:
            return False
    return not open_tags


def page_faults(source, text):
    """What a translation of a help page text breaks: the page is made from it."""
    faults = []
    if sorted(m.group(0) for m in TAG.finditer(text)) != sorted(m.group(0) for m in TAG.finditer(source)):
        faults.append("HTML tags differ")
    elif not nested(text):
        faults.append("HTML tags are not nested as in the source")
    if sorted(PAGE_MARKER.findall(text)) != sorted(PAGE_MARKER.findall(source)):
        faults.append("@MARKERS@ differ")
    if sorted(CODE.findall(text)) != sorted(CODE.findall(source)):
        faults.append("<code> differs")
    return faults


def check_file(path, wanted):
    faults = []
    have = messages(path)
    name = os.path.basename(path)
    for key in wanted:
        if key not in have:
            faults.append(f"{name}: missing [{key[0]}] {key[1]!r}")
    for (context, source, _), message in have.items():
        translation = message.find("translation")
        texts = forms(message)
        if translation is not None and translation.get("type") == "unfinished" or not any(texts):
            faults.append(f"{name}: not translated [{context}] {source!r}")
            continue
        for text in texts:
            if not text:
                faults.append(f"{name}: a plural form is empty [{context}] {source!r}")
            elif markers(text) != markers(source):
                faults.append(f"{name}: markers {markers(text)} instead of {markers(source)} "
                              f"[{context}] {source!r} -> {text!r}")
            elif context == "HelpPage" or PAGE_MARKER.search(source):
                faults += [f"{name}: {fault} [{context}] {source!r} -> {text!r}"
                           for fault in page_faults(source, text)]
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", default="/usr/lib/qt6/bin/lupdate")
    parser.add_argument("--only", help="check only this language")
    parser.add_argument("root")
    args = parser.parse_args()
    folder = os.path.join(args.root, "src", "res", "translations")
    if not shutil.which(args.lupdate):
        print(f"skipped: {args.lupdate} is missing (Debian: qt6-l10n-tools)", file=sys.stderr)
        return 77
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "fresh.ts")
        subprocess.run([args.lupdate, "-silent", "-locations", "none", "-recursive",
                        os.path.join(args.root, "src"), "-ts", fresh], check=True)
        fresh_messages = messages(fresh)
        wanted = set(fresh_messages)
        plurals = {key for key, message in fresh_messages.items()
                   if message.get("numerus") == "yes"}
    if not wanted:
        print("no texts found in the source", file=sys.stderr)
        return 1
    faults = []
    files = sorted(f for f in os.listdir(folder) if f.endswith(".ts"))
    if args.only:
        files = [f for f in files if f == f"quillmere_{args.only}.ts"]
    for ts in files:
        faults += check_file(os.path.join(folder, ts), plurals if ts == "quillmere_en.ts" else wanted)
    for fault in faults:
        print(fault)
    print(f"{len(files)} translations, {len(wanted)} texts each, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
