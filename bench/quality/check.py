#!/usr/bin/python3
"""Checks the form of an annotated set of bench/quality/ (not its judgement).

    bench/quality/check.py zh|en [--partial]

- every line is a JSON object whose id, origin, split and text are those of the drawn file, in its order
  (--partial: the annotated file may stop early);
- every item has a span found in the text at the given occurrence (`at`, counted as score.py counts it),
  a known cat, and is either wanted (a non-empty `want`), neutral or a trap;
- items do not overlap, except a trap or neutral item with a wanted one;
- warnings (not errors): a Chinese span that starts or ends inside a segmented word, a wanted item whose
  translations repeat.
"""
import json
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
WANT_CATS = {"number", "digits", "figure", "ordinal", "fraction", "percent", "date", "clock", "weekday", "decade",
             "era", "range", "approx", "negative", "discount"}
NEUTRAL_CATS = {"version", "section", "address", "option", "identifier", "code"}


def spans(text, item):
    pos = -1
    for _ in range(item.get("at", 0) + 1):
        pos = text.find(item["span"], pos + 1)
        if pos < 0:
            return None
    return pos, pos + len(item["span"])


def main():
    lang = sys.argv[1]
    partial = "--partial" in sys.argv
    drawn = [json.loads(l) for l in open(HERE / f"{lang}-drawn.jsonl", encoding="utf-8")]
    errors, warnings, n = [], [], 0
    for n, raw in enumerate(open(HERE / f"{lang}.jsonl", encoding="utf-8"), 1):
        where = f"{lang}.jsonl:{n}"
        try:
            line = json.loads(raw)
        except ValueError as e:
            errors.append(f"{where}: not JSON ({e})")
            continue
        if n > len(drawn) or any(line.get(k) != drawn[n - 1][k] for k in ("id", "origin", "split", "text")):
            errors.append(f"{where}: not the drawn line {n}")
            continue
        text, placed = line["text"], []
        for item in line.get("items", []):
            what = f"{where} {line['id']} {item.get('span')!r}"
            kinds = [k for k in ("neutral", "trap") if item.get(k)]
            if set(item) - {"span", "at", "want", "neutral", "trap", "cat", "note"}:
                errors.append(f"{what}: unknown fields")
            if len(kinds) > 1 or (not kinds and not item.get("want")):
                errors.append(f"{what}: neither wanted, neutral nor trap (or both)")
            if "trap" in kinds and "want" in item:
                errors.append(f"{what}: a trap with translations")
            cats = NEUTRAL_CATS if "neutral" in kinds else (None if "trap" in kinds else WANT_CATS)
            if not item.get("cat") or (cats and item["cat"] not in cats):
                errors.append(f"{what}: cat {item.get('cat')!r}")
            if any(not isinstance(w, str) or not w or w != w.strip() for w in item.get("want", [])):
                errors.append(f"{what}: an empty or padded translation")
            if len(set(w.casefold() for w in item.get("want", []))) != len(item.get("want", [])):
                warnings.append(f"{what}: a translation twice")
            place = spans(text, item)
            if place is None:
                errors.append(f"{what}: not in the text at occurrence {item.get('at', 0)}")
                continue
            start, end = place
            if lang == "zh" and ((start > 0 and text[start - 1] != " ") or (end < len(text) and text[end] != " ")):
                warnings.append(f"{what}: inside a word: {text[max(0, start - 8):end + 8]!r}")
            for other, (s, e) in placed:
                if s < end and start < e:
                    wanted = lambda it: not it.get("neutral") and not it.get("trap")
                    if wanted(item) == wanted(other):
                        errors.append(f"{what}: overlaps {other['span']!r}")
            placed.append((item, place))
    if n < len(drawn) and not partial:
        errors.append(f"{lang}.jsonl: {n} lines, {len(drawn)} drawn")
    for w in warnings:
        print("warning:", w)
    for e in errors:
        print("error:", e)
    print(f"{lang}.jsonl: {n} lines, {len(errors)} errors, {len(warnings)} warnings")
    sys.exit(1 if errors else 0)


if __name__ == "__main__":
    main()
