#!/usr/bin/env python3
"""Cross-checks `kvd270-cli show --json` against the independent decoder in decode_dat.py.

    compare.py --cli build/release/src/cli/kvd270-cli [--count N] [--seed S] [--keep DIR]

Generates N channel files neither decoder has seen, reads each with both in both languages
and reports every difference. A file that shows a difference is kept in DIR together with a
note of the differences. File i of seed S is always the same file, so `--first i --count 1`
regenerates one file. Exit status 0 when both agree on every file, 1 otherwise.
"""

import argparse
import collections
import concurrent.futures
import json
import os
import random
import subprocess
import sys
import tempfile

import decode_dat
import image_gen

LANGS = ("en", "zh")


def run_cli(cli, path, lang):
    """(exit status, parsed JSON or None, problem text or None) of the C++ tool."""
    proc = subprocess.run(
        [cli, "show", path, "--json", "--lang", lang], capture_output=True, timeout=60
    )
    if proc.returncode != 0:
        lines = proc.stderr.decode("utf-8", "replace").splitlines()
        problem = None
        if proc.stdout or len(lines) != 1:
            problem = "failure should print nothing and one line on stderr, got %r / %r" % (
                proc.stdout[:200],
                lines,
            )
        return proc.returncode, None, problem
    try:
        return 0, json.loads(proc.stdout.decode("utf-8")), None
    except (UnicodeDecodeError, json.JSONDecodeError) as e:
        return 0, None, "output is not UTF-8 JSON: %s" % e


def run_reference(data, lang):
    try:
        state = decode_dat.open_channel_file(data, lang)
    except decode_dat.WrongSignature:
        return 2, None
    # Through the JSON text, so that the rendering is checked as well.
    return 0, json.loads(decode_dat.to_json(state))


def json_differences(ours, theirs, path=""):
    """Every leaf where the two objects differ, as (path, reference value, cli value)."""
    if isinstance(ours, dict) and isinstance(theirs, dict):
        out = []
        for key in list(ours) + [k for k in theirs if k not in ours]:
            out += json_differences(ours.get(key, "<missing>"), theirs.get(key, "<missing>"),
                                    "%s.%s" % (path, key) if path else key)
        return out
    if isinstance(ours, list) and isinstance(theirs, list) and len(ours) == len(theirs):
        out = []
        for i, (a, b) in enumerate(zip(ours, theirs)):
            out += json_differences(a, b, "%s[%d]" % (path, i))
        return out
    if ours == theirs and type(ours) is type(theirs):
        return []
    return [(path, ours, theirs)]


def check_file(cli, path, data):
    """Differences between the two readers of one file, as lines of text."""
    notes = []
    for lang in LANGS:
        ref_status, ref_json = run_reference(data, lang)
        cli_status, cli_json, problem = run_cli(cli, path, lang)
        if problem:
            notes.append("[%s] %s" % (lang, problem))
        if (ref_status == 0) != (cli_status == 0) or (ref_status and cli_status != 2):
            notes.append("[%s] exit status: reference %d, cli %d" % (lang, ref_status, cli_status))
            continue
        if ref_json is not None and cli_json is not None:
            for where, ours, theirs in json_differences(ref_json, cli_json):
                notes.append("[%s] %s: reference %s, cli %s" % (
                    lang, where, json.dumps(ours, ensure_ascii=False),
                    json.dumps(theirs, ensure_ascii=False)))
    return notes


def file_rng(seed, index):
    return random.Random("%d:%d" % (seed, index))


def check_one(cli, seed, index, workdir):
    kind, data = image_gen.generate(file_rng(seed, index))
    path = os.path.join(workdir, "%d-%06d-%s.dat" % (seed, index, kind))
    with open(path, "wb") as f:
        f.write(data)
    notes = check_file(cli, path, data)
    if not notes:
        os.remove(path)
    return index, kind, path, data, notes


def keep(keep_dir, path, data, notes):
    os.makedirs(keep_dir, exist_ok=True)
    kept = os.path.join(keep_dir, os.path.basename(path))
    with open(kept, "wb") as f:
        f.write(data)
    with open(kept + ".txt", "w", encoding="utf-8") as f:
        f.write("\n".join(notes) + "\n")
    return kept


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="path of kvd270-cli")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=None, help="default: a random seed")
    parser.add_argument("--first", type=int, default=0, help="index of the first file")
    parser.add_argument("--keep", default="xcheck-differences", help="where files that differ go")
    parser.add_argument("--jobs", type=int, default=1)
    parser.add_argument("--quiet", action="store_true", help="one line per differing file")
    return parser.parse_args(argv)


def main(argv):
    args = parse_args(argv)
    seed = args.seed if args.seed is not None else random.randrange(1 << 31)
    print("seed %d, %d files from index %d" % (seed, args.count, args.first))
    kinds = collections.Counter()
    differing = collections.Counter()
    with tempfile.TemporaryDirectory(prefix="xcheck-") as workdir, \
            concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
        indices = range(args.first, args.first + args.count)
        for index, kind, path, data, notes in pool.map(
            lambda i: check_one(args.cli, seed, i, workdir), indices
        ):
            kinds[kind] += 1
            if notes:
                differing[kind] += 1
                kept = keep(args.keep, path, data, notes)
                print("DIFFERENCE in %s (%d notes)" % (kept, len(notes)))
                if not args.quiet:
                    print("\n".join("  " + n for n in notes))
    for kind, n in sorted(kinds.items()):
        print("  %-22s %5d files, %5d differ" % (kind, n, differing[kind]))
    total = sum(differing.values())
    print("%d of %d files differ" % (total, args.count))
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
