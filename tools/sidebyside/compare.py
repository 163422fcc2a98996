#!/usr/bin/env python3
"""Runs two builds' decoder and encoder side by side over the same channel files.

    compare.py --old OLD/kvd270-roundtrip --new NEW/kvd270-roundtrip [--count N] [--seed S]

Generates N files with tools/xcheck/image_gen.py (programmed radios, random bytes, odd tone
words and frequencies, out-of-range settings, odd texts, mutated, short, long, erased and
foreign files) plus a bit-flipped copy of every tenth one, opens them one after another in
both languages with each build (kvd270-roundtrip) and compares, file by file, what
`show --json` prints and the bytes Save writes. Exit status 0 when the builds agree.

A difference of one kind is expected and counted apart: a tone word of the DCS ranges that no
DCS code gives (a radio's word without the 0x800 marker, or with stray bits) used to be
written back as the code its text shows; now the radio's own word is written back. Such a
file counts as agreeing when the only differing bytes are those tone words, the new build
writes them as the opened file holds them and the JSON is the same.
"""

import argparse
import collections
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "xcheck"))
import image_gen  # noqa: E402

SIGNATURE = b"KVD27"


def generate(seed, count):
    """(name, bytes) of every file, in order."""
    files = []
    for i in range(count):
        rng = random.Random("%d:%d" % (seed, i))
        kind, data = image_gen.generate(rng)
        files.append(("%07d-%s" % (i, kind), data))
        if i % 10 == 9 and data:
            flipped = bytearray(data)
            for _ in range(rng.randint(1, 8)):
                flipped[rng.randrange(len(flipped))] ^= 1 << rng.randrange(8)
            files.append(("%07d-flipped" % i, bytes(flipped)))
    return files


def run(tool, lang, paths):
    """Output blocks of one tool over the paths, in order. `tool` is a path, or a list with
    the program that runs it first (Wine for a Windows build)."""
    command = (tool if isinstance(tool, list) else [tool]) + [lang]
    proc = subprocess.run(command, input="\n".join(paths) + "\n", capture_output=True,
                          text=True, check=True)
    # A block starts on a line of its own; texts inside the JSON never hold a line break.
    blocks = [b.rstrip("\n") for b in ("\n" + proc.stdout).split("\n== ")[1:]]
    assert len(blocks) == len(paths), (tool, len(blocks), len(paths))
    return blocks


def saved_bytes(block):
    line = block[block.rindex("bytes ") + 6:].strip()
    return bytes.fromhex(line)


def odd_dcs_word(word):
    return word >> 12 in (0x2, 0xA) and (not word & 0x800 or word & 0x600)


def kept_tone_words(old_block, new_block, opened):
    """True when the blocks differ only in tone words the new build wrote back as they stand
    in `opened`, the last file opened."""
    if old_block[:old_block.rindex("bytes ")] != new_block[:new_block.rindex("bytes ")]:
        return False
    old, new = saved_bytes(old_block), saved_bytes(new_block)
    image = (opened[5:] + b"\xff" * 853)[:848]
    for k in range(len(old)):
        if old[k] == new[k]:
            continue
        offset = k - 5
        if not (0 <= offset < 0x100 and offset % 16 in (8, 9, 10, 11)):
            return False
        word_at = offset - offset % 2
        word = image[word_at] | image[word_at + 1] << 8
        if new[k] != image[offset] or not odd_dcs_word(word):
            return False
    return True


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--old", required=True)
    parser.add_argument("--new", required=True)
    parser.add_argument("--count", type=int, default=100000)
    parser.add_argument("--seed", type=int, default=270)
    parser.add_argument("--batch", type=int, default=5000)
    parser.add_argument("--keep", default="sidebyside-differences")
    args = parser.parse_args(argv)

    counts = collections.Counter()
    files = generate(args.seed, args.count)
    with tempfile.TemporaryDirectory(prefix="sidebyside-") as work:
        for start in range(0, len(files), args.batch):
            batch = files[start:start + args.batch]
            paths = []
            for name, data in batch:
                path = os.path.join(work, name + ".DAT")
                with open(path, "wb") as f:
                    f.write(data)
                paths.append(path)
            for lang in ("en", "zh"):
                old = run(args.old, lang, paths)
                new = run(args.new, lang, paths)
                opened = SIGNATURE + b"\xff" * 848  # the state every run starts with
                for (name, data), a, b in zip(batch, old, new):
                    counts["compared"] += 1
                    if "\nrefused\n" not in a:
                        opened = data
                    if a == b:
                        counts["same"] += 1
                    elif kept_tone_words(a, b, opened):
                        counts["same but for kept tone words"] += 1
                    else:
                        counts["different"] += 1
                        os.makedirs(args.keep, exist_ok=True)
                        with open(os.path.join(args.keep, name + ".DAT"), "wb") as f:
                            f.write(data)
                        with open(os.path.join(args.keep, name + "." + lang + ".txt"), "w") as f:
                            f.write("old:\n" + a + "\nnew:\n" + b)
                        print("DIFFERENCE", name, lang)
            for path in paths:
                os.remove(path)
            print("%d files, %s" % (start + len(batch), dict(counts)), flush=True)
    print("%d files (%d generated, the rest bit-flipped copies), opened in two languages:"
          % (len(files), args.count))
    for key, n in sorted(counts.items()):
        print("  %-32s %d" % (key, n))
    return 1 if counts["different"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
