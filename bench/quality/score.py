#!/usr/bin/python3
"""Scores a built vestrilo on the annotated sets of bench/quality/.

    bench/quality/score.py [--build DIR] [--rules classic,extended] [--split dev|test|all]
                           [--show N] [--judge FILE] [zh] [en]

For each direction and rule set it runs `vestrilo-view -C2E|-E2C jsonl` in UTF-8 mode over the set's lines
(VESTRILO_RULES set to the rule set) and compares every entity with the annotation:

- recall: the wanted expressions found with exactly their span and a correct translation;
- precision: the written pairs (every entity with a translation, and its second reading) that are right in
  context, or a harmless copy of a neutral item or of digits;
- misleading: the written pairs whose translation says something the text does not.

Each written pair gets one verdict:
  right       the span of a wanted item and one of its translations
  harmless    a neutral item given one of its translations, or any verbatim copy of the source text
              that touches no wanted item
  partial     a piece of a wanted item (a piece of a date copied, say), or a copy that overlaps one:
              not right, not misleading
  padded      a right translation with spaces before or after it: not right, not misleading
  misleading  anything else: a wrong translation of a wanted item, any reading of a trap, a translation
              of a neutral item, a span that crosses an item's edge, or a translation of text the
              annotation has no item for
A verdict written down in <set>-judged.jsonl (id, span, at, translation, verdict, note) overrides the
rules above; --judge FILE writes the pairs that the rules call misleading or partial, with the rule's
verdict, in that form, for review.

Intervals are 95% Wilson score intervals.
"""
import argparse
import collections
import json
import math
import os
import pathlib
import re
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SETS = {"zh": ("-C2E", HERE / "zh.jsonl"), "en": ("-E2C", HERE / "en.jsonl")}
VERDICTS = ("right", "harmless", "partial", "padded", "misleading")

CJK = r"\u2e80-\u9fff\uf900-\ufaff\uff00-\uffef\u3000-\u303f"
SPACE_NEXT_TO_CJK = re.compile(rf"\s+(?=[{CJK}])|(?<=[{CJK}])\s+")


def normal(text):
    """A translation as compared: case folded, runs of white space as one space, none beside a Chinese
    character, none at the ends."""
    text = " ".join(text.split())
    return SPACE_NEXT_TO_CJK.sub("", text).casefold()


def wilson(k, n):
    if n == 0:
        return (0.0, 0.0)
    z = 1.959964
    p = k / n
    d = 1 + z * z / n
    c = (p + z * z / (2 * n)) / d
    h = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / d
    return (max(0.0, c - h), min(1.0, c + h))


def item_bytes(text, item):
    """The item's byte span [start, end) in the line's UTF-8 bytes."""
    at, pos = item.get("at", 0), -1
    for _ in range(at + 1):
        pos = text.find(item["span"], pos + 1)
        if pos < 0:
            raise ValueError(f"span {item['span']!r} (occurrence {at}) not in {text!r}")
    start = len(text[:pos].encode("utf-8"))
    return start, start + len(item["span"].encode("utf-8"))


def load(path):
    lines = []
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            if raw.strip():
                obj = json.loads(raw)
                if "\n" in obj.get("text", "") or "\r" in obj.get("text", ""):
                    raise ValueError(f"{path}:{n}: a line break inside a text")
                lines.append(obj)
    return lines


def load_judged(path):
    judged = {}
    if path.exists():
        for obj in load(path):
            if obj["verdict"] not in VERDICTS:
                raise ValueError(f"{path}: unknown verdict {obj['verdict']!r}")
            judged[(obj["id"], obj["span"], obj.get("at", 0), obj["translation"])] = obj["verdict"]
    return judged


def run_tool(build, flag, rules, texts):
    with tempfile.TemporaryDirectory() as tmp:
        src, out = os.path.join(tmp, "in.txt"), os.path.join(tmp, "out.jsonl")
        with open(src, "w", encoding="utf-8") as f:
            for t in texts:
                f.write(t + "\n")
        env = dict(os.environ, VESTRILO_ENCODING="UTF-8")
        env.pop("VESTRILO_RULES", None)
        if rules != "default":
            env["VESTRILO_RULES"] = rules
        subprocess.run([os.path.join(build, "vestrilo-view"), flag, "jsonl", src, out], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        with open(out, encoding="utf-8") as f:
            return [json.loads(l)["entities"] for l in f]


def classify(line, items, start, end, translation, judged):
    """The verdict of one written pair, and the item it concerns (or None)."""
    text_bytes = line["text"].encode("utf-8")
    source = text_bytes[start:end].decode("utf-8", "replace")
    # The occurrence of the source text this pair stands at, for the judged file.
    at = text_bytes[:start].decode("utf-8", "replace").count(source) if source else 0
    key = (line["id"], source, at, translation)
    exact = [it for it in items if (it["_start"], it["_end"]) == (start, end)]
    overlapping = [it for it in items if it["_start"] < end and start < it["_end"]]
    item = exact[0] if exact else (overlapping[0] if overlapping else None)
    if key in judged:
        return judged[key], item, key
    padded = translation != translation.strip()
    copy = translation.strip() == source.strip()
    if exact:
        it = exact[0]
        wants = {normal(w) for w in it.get("want", [])}
        if it.get("trap"):
            return "misleading", it, key
        if normal(translation) in wants:
            return ("padded" if padded else "right"), it, key
        if copy:
            return ("harmless" if it.get("neutral") else "partial"), it, key
        return "misleading", it, key
    if any(it.get("trap") for it in overlapping):
        return "misleading", next(it for it in overlapping if it.get("trap")), key
    wanted = [it for it in overlapping if not it.get("neutral")]
    if copy:
        # A verbatim copy says nothing the text does not; over part of a wanted item it is a piece of it.
        return ("partial" if wanted else "harmless"), item, key
    inside = [it for it in overlapping if it["_start"] <= start and end <= it["_end"]]
    if inside and not inside[0].get("neutral"):
        return "partial", inside[0], key
    return "misleading", item, key


def score(direction, lines, entities, judged):
    """Per-line verdicts; returns (wanted items with found flag, written pairs with verdicts)."""
    wanted, written = [], []
    for line, ents in zip(lines, entities):
        items = []
        for it in line.get("items", []):
            it = dict(it)
            it["_start"], it["_end"] = item_bytes(line["text"], it)
            items.append(it)
        found = set()
        for e in ents:
            readings = [e.get("translation", "")]
            if e.get("candidate"):
                readings.append(e["candidate"])
            for t in readings:
                if not t:
                    continue  # a pair with no translation is not written
                verdict, item, key = classify(line, items, e["start"], e["end"], t, judged)
                written.append({"line": line, "start": e["start"], "end": e["end"], "translation": t,
                                "verdict": verdict, "item": item, "key": key, "kind": e.get("kind")})
                if verdict == "right" and item is not None:
                    found.add(id(item))
        for it in items:
            if "want" in it and not it.get("neutral") and not it.get("trap"):
                wanted.append({"line": line, "item": it, "found": id(it) in found})
    return wanted, written


def pct(k, n):
    lo, hi = wilson(k, n)
    return f"{100 * k / n if n else 0:5.1f}% [{100 * lo:4.1f}, {100 * hi:4.1f}]"


def report(name, rules, wanted, written, show):
    n_want = len(wanted)
    n_found = sum(w["found"] for w in wanted)
    counts = collections.Counter(p["verdict"] for p in written)
    n = len(written)
    good = counts["right"] + counts["harmless"]
    print(f"== {name}, {rules} rules: {len(set(w['line']['id'] for w in wanted))} lines with wanted items")
    print(f"  recall      {n_found:5d} / {n_want:5d}  {pct(n_found, n_want)}")
    print(f"  precision   {good:5d} / {n:5d}  {pct(good, n)}")
    print(f"  misleading  {counts['misleading']:5d} / {n:5d}  {pct(counts['misleading'], n)}")
    print("  written: " + ", ".join(f"{v} {counts[v]}" for v in VERDICTS))
    by_cat = collections.Counter(w["item"]["cat"] for w in wanted)
    miss_cat = collections.Counter(w["item"]["cat"] for w in wanted if not w["found"])
    print("  misses by category: " + ", ".join(
        f"{c} {miss_cat[c]}/{by_cat[c]}" for c, _ in by_cat.most_common() if miss_cat[c]))
    false_cat = collections.Counter(
        (p["verdict"], (p["item"] or {}).get("cat", "unannotated")) for p in written
        if p["verdict"] in ("misleading", "partial", "padded"))
    print("  false pairs by category: " + ", ".join(
        f"{v}/{c} {k}" for (v, c), k in false_cat.most_common()))
    if show:
        print("  misses:")
        for w in [w for w in wanted if not w["found"]][:show]:
            it = w["item"]
            print(f"    {w['line']['id']} {it['cat']}: {it['span']} -> {it['want'][0] if it['want'] else ''}")
        print("  misleading pairs:")
        for p in [p for p in written if p["verdict"] == "misleading"][:show]:
            src = p["line"]["text"].encode("utf-8")[p["start"]:p["end"]].decode("utf-8", "replace")
            cat = (p["item"] or {}).get("cat", "unannotated")
            print(f"    {p['line']['id']} {cat}: {src} ||| {p['translation']}")
    return {"recall": [n_found, n_want], "precision": [good, n], "misleading": [counts["misleading"], n],
            "verdicts": dict(counts)}


def changes(a, b, show):
    """Prints the pairs one rule set writes and the other does not, by verdict and category."""
    (name_a, written_a), (name_b, written_b) = a, b

    def keyed(written):
        return {(p["line"]["id"], p["start"], p["end"], p["translation"]): p for p in written}

    ka, kb = keyed(written_a), keyed(written_b)
    for title, gone in ((f"written by {name_a}, not by {name_b}", [ka[k] for k in ka if k not in kb]),
                        (f"written by {name_b}, not by {name_a}", [kb[k] for k in kb if k not in ka])):
        counts = collections.Counter(
            ("good" if p["verdict"] in ("right", "harmless") else "wrong", p["verdict"],
             (p["item"] or {}).get("cat", "unannotated")) for p in gone)
        good = sum(k for (g, _, _), k in counts.items() if g == "good")
        print(f"== {title}: {len(gone)} pairs, {good} right or harmless, {len(gone) - good} wrong")
        for (g, v, c), k in sorted(counts.items(), key=lambda x: (x[0][0], -x[1])):
            print(f"  {g:4s} {v}/{c} {k}")
        for p in gone[:show]:
            src = p["line"]["text"].encode("utf-8")[p["start"]:p["end"]].decode("utf-8", "replace")
            print(f"    {p['line']['id']} {p['verdict']}: {src} ||| {p['translation']}")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("sets", nargs="*", help="zh, en (default: both)")
    ap.add_argument("--build", default=str(ROOT / "build"), help="the build directory holding vestrilo-view")
    ap.add_argument("--rules", default="classic", help="comma-separated: default, classic, extended")
    ap.add_argument("--split", default="all", choices=["dev", "test", "all"])
    ap.add_argument("--show", type=int, default=0, help="list up to N misses and misleading pairs")
    ap.add_argument("--judge", help="write the pairs to review (misleading and partial) to this file")
    ap.add_argument("--json", help="write the figures as JSON to this file")
    ap.add_argument("--changes", action="store_true",
                    help="with two rule sets A,B: the pairs A writes and B does not, and B's new ones, "
                         "by verdict and category (what B's guards remove and its rules add)")
    args = ap.parse_args()
    figures = {}
    to_judge = []
    for name in args.sets or ["zh", "en"]:
        if name not in SETS:
            ap.error(f"unknown set {name!r}: zh or en")
        flag, path = SETS[name]
        lines = [l for l in load(path) if args.split == "all" or l.get("split") == args.split]
        judged = load_judged(path.with_name(f"{name}-judged.jsonl"))
        by_rules = {}
        for rules in args.rules.split(","):
            entities = run_tool(args.build, flag, rules, [l["text"] for l in lines])
            wanted, written = score(name, lines, entities, judged)
            by_rules[rules] = written
            figures[f"{name}/{rules}"] = report(f"{name} ({args.split})", rules, wanted, written, args.show)
        if args.changes and len(by_rules) == 2:
            changes(*by_rules.items(), args.show)
            for p in written:
                if p["verdict"] in ("misleading", "partial") and p["key"] not in judged:
                    i, span, at, t = p["key"]
                    to_judge.append({"id": i, "span": span, "at": at, "translation": t,
                                     "verdict": p["verdict"], "rules": rules,
                                     "item": (p["item"] or {}).get("span"), "note": ""})
    if args.judge:
        seen = set()
        with open(args.judge, "w", encoding="utf-8") as f:
            for j in to_judge:
                k = (j["id"], j["span"], j["at"], j["translation"])
                if k not in seen:
                    seen.add(k)
                    f.write(json.dumps(j, ensure_ascii=False) + "\n")
    if args.json:
        with open(args.json, "w") as f:
            json.dump(figures, f, indent=1)


if __name__ == "__main__":
    sys.exit(main())
