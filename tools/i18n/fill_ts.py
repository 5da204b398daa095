#!/usr/bin/env python3
"""Fills the translations of a .ts file from a table of source -> text.

Usage: fill_ts.py FILE.ts TABLE.tsv   (TABLE: one "source<TAB>translation" per
line, sources written as they appear in the program, with \\n for newlines).
Messages whose source is in the table become finished translations; the
script lists the sources it could not fill and exits 1 if there are any.
"""
import sys
import xml.etree.ElementTree as ET


def main():
    ts_path, table_path = sys.argv[1], sys.argv[2]
    table = {}
    with open(table_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            source, text = line.split("\t", 1)
            table[source.replace("\\n", "\n")] = text.replace("\\n", "\n")
    tree = ET.parse(ts_path)
    missing = []
    for message in tree.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source in table:
            translation.text = table[source]
            translation.attrib.pop("type", None)
        elif translation.get("type") == "unfinished" or not translation.text:
            missing.append(source)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    for source in missing:
        print("not translated:", source)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
