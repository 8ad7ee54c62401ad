#!/usr/bin/python3
"""The translations in step with the source: lupdate, run as `make translations` runs it, leaves
each .ts file as it is (no text missing, none left over). Each opens with its glossary and has
every text translated, keeping what the program looks for in it: r1, r2, PQ and the formulas as
written and in order, the rule numbers, the placeholders.
Usage: translations.py LUPDATE TS_FOLDER INCLUDE_DIR LUPDATE_OPTIONS... -- SOURCES..."""

import filecmp, os, re, shutil, subprocess, sys, tempfile  # noqa: E401
import xml.etree.ElementTree as ET

TOKENS = re.compile(r"\| r1 - r2 \||r1 \+ r2|r[12]|PQ|\(\d\)|%\d")
kept = lambda text: (re.sub(r"%\d", "", " ".join(TOKENS.findall(text))),  # noqa: E731
                     sorted(re.findall(r"%\d", text)))
lupdate, folder, include, *rest = sys.argv[1:]
options, sources = rest[:rest.index("--")], rest[rest.index("--") + 1:]
faults = []
with tempfile.TemporaryDirectory() as scratch:
    for name in sorted(os.listdir(folder)):
        ts, copy = os.path.join(folder, name), os.path.join(scratch, name)
        shutil.copy(ts, copy)
        subprocess.run([lupdate, "-silent", *options, "-I", include, *sources, "-ts", copy], check=True)
        if not filecmp.cmp(ts, copy, shallow=False):
            faults.append(f"{name} is not in step with the source: run make translations")
        contexts = ET.parse(ts).getroot().findall("context")
        if contexts[0].findtext("name") != "Glossary":
            faults.append(f"{name} does not open with its glossary")
        for message in (m for c in contexts for m in c.iter("message") if m.findtext("source")):
            source, translation = message.findtext("source"), message.find("translation")
            if translation.get("type") or not translation.text:
                faults.append(f"{name}: {source!r} is {translation.get('type') or 'untranslated'}")
            elif kept(translation.text) != kept(source):
                faults.append(f"{name}: {translation.text!r} does not keep {kept(source)}")
print("\n".join(faults) or "the translations are complete and in step with the source")
sys.exit(1 if faults else 0)
