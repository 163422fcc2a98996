"""The program's field table (fields.json, written by `kvd270-cli fields`): where each setting
of the memory image lies, how it is stored, what the decoder accepts and what it starts as.

A test keeps fields.json in step with the program; how each codec turns bytes into a value is
this tool's own (decode_dat.py).
"""

import json
import os

PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fields.json")

with open(PATH, encoding="utf-8") as _f:
    FIELDS = json.load(_f)

# Codecs of one-byte numbers and the byte that stands for a value.
_BYTE_OF_VALUE = {"byte": lambda v: v, "plus_one": lambda v: v + 1, "zero_as_ff": lambda v: v}


def rows(codec=None):
    return [f for f in FIELDS if codec is None or f["codec"] == codec]


def row(name):
    return next(f for f in FIELDS if f["name"] == name)


def plain_byte_ranges():
    """{offset: (lowest, highest)} of the bytes the decoder takes for the one-byte numbers
    stored as themselves or plus one, whole-byte rows (the power levels) left out."""
    out = {}
    for f in FIELDS:
        to_byte = _BYTE_OF_VALUE.get(f["codec"])
        if to_byte and f["width"] == 1 and f["accepted"] != [0, 255]:
            low, high = f["accepted"]
            out[f["offset"]] = (to_byte(low), to_byte(high))
    return out
