#!/usr/bin/env python3
"""The side-by-side comparison's corpus, kept as a regression test.

    golden.py --tool build/release/tools/sidebyside/kvd270-roundtrip            check
    golden.py --tool OLD/kvd270-roundtrip --write                               make
    golden.py --tool build/release/tools/sidebyside/kvd270-roundtrip --accept   accept

golden/ holds channel files of every kind compare.py generates and, for each language, what
the build that wrote them printed when it opened them one after another (expected.LANG.txt:
the `show --json` output and the bytes Save writes, per file). Checking runs the given build
over the same files in the same order and accepts a block only when it is the same, or when
compare.py's rule for kept tone words accepts it. A change of what the program writes that
is meant (a setting added to the field table) is taken over with --accept, which keeps the
files and writes what the given build prints as the new expectation.
"""

import argparse
import os
import subprocess
import sys

import compare

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "golden")
PER_KIND = 4


def corpus_files():
    return sorted(f for f in os.listdir(GOLDEN) if f.endswith(".DAT"))


def make_corpus():
    os.makedirs(GOLDEN, exist_ok=True)
    taken = {}
    for name, data in compare.generate(270, 2000):
        kind = name.split("-", 1)[1]
        if taken.get(kind, 0) < PER_KIND:
            taken[kind] = taken.get(kind, 0) + 1
            with open(os.path.join(GOLDEN, name + ".DAT"), "wb") as f:
                f.write(data)


def blocks_of(tool, lang, names):
    paths = [os.path.join(GOLDEN, n) for n in names]
    blocks = compare.run(tool, lang, paths)
    # Without the folder, so the expectation does not depend on where the tree lies.
    return [b.replace(GOLDEN + os.sep, "", 1) for b in blocks]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True)
    parser.add_argument("--emulator", help="the program that runs the tool (Wine)")
    parser.add_argument("--write", action="store_true", help="make the corpus and expectations")
    parser.add_argument("--accept", action="store_true", help="take over the tool's output")
    args = parser.parse_args(argv)
    if args.write:
        make_corpus()
    names = corpus_files()
    failures = kept = 0
    for lang in ("en", "zh"):
        expected_path = os.path.join(GOLDEN, "expected.%s.txt" % lang)
        tool = [args.emulator, args.tool] if args.emulator else args.tool
        got = blocks_of(tool, lang, names)
        if args.write or args.accept:
            with open(expected_path, "w", encoding="utf-8") as f:
                f.write("".join("== " + b + "\n" for b in got))
            continue
        with open(expected_path, encoding="utf-8") as f:
            expected = [b.rstrip("\n") for b in ("\n" + f.read()).split("\n== ")[1:]]
        assert len(expected) == len(names), "golden/ and its expectation differ"
        opened = compare.SIGNATURE + b"\xff" * 848
        for name, want, have in zip(names, expected, got):
            with open(os.path.join(GOLDEN, name), "rb") as f:
                data = f.read()
            if "\nrefused\n" not in want:
                opened = data
            if want == have:
                continue
            if compare.kept_tone_words(want, have, opened):
                kept += 1
            else:
                failures += 1
                print("DIFFERENCE %s [%s]" % (name, lang))
    print("%d files in two languages: %d differ, %d only in kept tone words"
          % (len(names), failures, kept))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
