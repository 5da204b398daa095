#!/usr/bin/env python3
"""Three-way merge of Qt .ts catalogues by message, not by line.

Usage: merge_ts.py BASE OURS THEIRS OUT
Messages are keyed by (context, source, comment). A translation changed on
one side only wins; changed on both sides differently: THEIRS wins and the
key is reported. Messages new on THEIRS are added to OURS' context.
Run lupdate -no-obsolete afterwards to drop texts the sources no longer hold.
For a git merge conflict in a catalogue: BASE, OURS and THEIRS are
`git show :1:FILE`, `:2:FILE` and `:3:FILE`; OUT is FILE itself.
"""
import sys
import copy
import xml.etree.ElementTree as ET


def load(path):
    tree = ET.parse(path)
    msgs = {}
    for ctx in tree.getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.findall("message"):
            key = (name, m.findtext("source"), m.findtext("comment"))
            msgs[key] = m
    return tree, msgs


def tr_of(m):
    if m is None:
        return None
    t = m.find("translation")
    if t is None:
        return None
    numerus = [n.text for n in t.findall("numerusform")]
    return (t.text, tuple(numerus), t.attrib.get("type"))


def main():
    base_p, ours_p, theirs_p, out_p = sys.argv[1:5]
    _, base = load(base_p)
    ours_tree, ours = load(ours_p)
    _, theirs = load(theirs_p)
    contexts = {c.findtext("name"): c for c in ours_tree.getroot().iter("context")}
    for key, tm in theirs.items():
        om = ours.get(key)
        bm = base.get(key)
        if om is None:
            ctx = contexts.get(key[0])
            if ctx is None:
                ctx = ET.SubElement(ours_tree.getroot(), "context")
                ET.SubElement(ctx, "name").text = key[0]
                contexts[key[0]] = ctx
            ctx.append(copy.deepcopy(tm))
            continue
        to, tt, tb = tr_of(om), tr_of(tm), tr_of(bm)
        if tt == to or tt == tb:
            continue
        if to != tb:
            print("both changed, theirs kept:", key, file=sys.stderr)
        om.remove(om.find("translation"))
        om.append(copy.deepcopy(tm.find("translation")))
    ours_tree.write(out_p, encoding="utf-8", xml_declaration=True)


main()
