#!/usr/bin/env python3
"""An independent reader of KVD-270 channel files, used to cross-check `kvd270-cli show --json`.

    decode_dat.py FILE.DAT [--lang en|zh]

Starts from the start-up state, opens the file the way the program's Open does (signature
check, then decode) and prints the resulting state as the same JSON object that
`kvd270-cli show FILE.DAT --json --lang en|zh` prints. Exit status 0 on success, 2 for bad
usage, a file that cannot be read or a wrong signature (with one line on standard error).

The decoder deliberately works on the image *text* (two uppercase hex digits per byte), the
way the original program does, so that it shares no arithmetic with the C++ decoder it
checks. Where each setting lies, how it is stored and what is accepted come from the
program's field table (fields.json, kept in step by a test); the channel records, the
scan-add bitmaps and the tone and choice lists are this tool's own.

Readings chosen where the file format leaves one open:
- A tone word whose first hex digit is neither 2 nor A is read as a CTCSS value whatever its
  size: 0x8000 gives "3276.8". A value below 10 has only one digit, so the point comes first:
  5 gives ".5".
- Byte 0x106 that is neither 0x00, 0xFF nor an ASCII digit leaves BasicOptions 6 as it was.
  (From the start-up state this cannot be told apart from storing 0.)
- 16-bit settings fields are signed: FF FF is -1 and is taken, being below 301.
- A short file reads its missing bytes as 0xFF; bytes past the 853rd are ignored.
"""

import argparse
import json
import sys

import field_table
import kvd_lists

FILE_SIZE = 853
SIGNATURE_TEXT = "4B56443237"  # "KVD27"
NO_FREQUENCY = "FFFFFFFF"
NO_TONE = "FFFF"

# Hex digit -> four bits, looked up by the digit's value as the original does.
BIT_TABLE = "0000000100100011010001010110011110001001101010111100110111101111"


class WrongSignature(Exception):
    pass


def hex_byte(n):
    text = "%X" % n
    return "0" + text if len(text) == 1 else text


def hex_to_bits(hex_text):
    out = ""
    for digit in hex_text:
        v = int(digit, 16)
        out += BIT_TABLE[4 * v : 4 * v + 4]
    return out


class ImageText:
    """Read access to the image text by image offset."""

    def __init__(self, text):
        self.text = text

    def byte_text(self, offset):
        return self.text[2 * offset : 2 * offset + 2]

    def byte(self, offset):
        return int(self.byte_text(offset), 16)

    def bits(self, offset):
        """The byte's eight binary digits, bit 7 first: bit b is character 7 - b."""
        return hex_to_bits(self.byte_text(offset))

    def word_text(self, offset):
        """A 16-bit field as four hex digits: high byte's characters first."""
        return self.byte_text(offset + 1) + self.byte_text(offset)

    def signed_word(self, offset):
        value = int(self.word_text(offset), 16)
        return value - 0x10000 if value >= 0x8000 else value

    def frequency(self, offset):
        """Frequency text of a 4-byte field, or "" when it holds no frequency. Nibbles are
        copied as they stand, decimal or not."""
        b = [self.byte_text(offset + i) for i in range(4)]
        if "".join(b) == NO_FREQUENCY:
            return ""
        return b[3] + b[2][0] + "." + b[2][1] + b[1] + b[0]

    def characters(self, offset, width, special=None):
        """A text field: 0xFF is no character, other bytes map one to one (Latin-1)."""
        out = ""
        for k in range(offset, offset + width):
            n = self.byte(k)
            if n == 0xFF:
                continue
            out += special.get(n, chr(n)) if special else chr(n)
        return out


def tone_text(word_text):
    """Text of a tone word given as its four hex digits (not 0xFFFF)."""
    first = word_text[0]
    if first in ("2", "A"):
        octal = "%o" % (int(word_text, 16) & 0xFFF)
        return "D" + octal[-3:] + ("N" if first == "2" else "I")
    digits = str(int(word_text, 16))
    return digits[:-1] + "." + digits[-1]


# ---- channels -----------------------------------------------------------------------------


def decode_channel(image, record, lang):
    """Cells of one channel record at image offset `record` (scan add is set later)."""
    cells = {key: "" for key in kvd_lists.CHANNEL_KEYS}
    if image.frequency(record) == "":
        return cells
    off = kvd_lists.TONE_OFF[lang]
    cells["rx"] = image.frequency(record)
    cells["tx"] = image.frequency(record + 4)
    rx_word = image.word_text(record + 8)
    cells["rx_tone"] = off if rx_word == NO_TONE else tone_text(rx_word)
    tx_word = image.word_text(record + 10)
    if tx_word != NO_TONE:
        cells["tx_tone"] = tone_text(tx_word)
    elif cells["tx"] != "":
        cells["tx_tone"] = off
    lockout_bits = image.bits(record + 12)
    power_bits = image.bits(record + 13)
    cells["busy_lock"] = choice("busy_lock", lockout_bits[7 - 3], lang)
    cells["bandwidth"] = choice("bandwidth", power_bits[7 - 4], lang)
    cells["power"] = choice("power", power_bits[7 - 5], lang)
    return cells


def choice(column, bit, lang):
    return kvd_lists.CHOICES[column][lang][1 if bit == "1" else 0]


def decode_scan_add(image, channels, lang):
    for first, offset in ((1, 0x16E), (9, 0x16F)):
        bits = image.bits(offset)
        for r in range(first, first + 8):
            cells = channels[r - 1]
            if cells["rx"] == "":
                cells["scan_add"] = ""
            else:
                cells["scan_add"] = choice("scan_add", bits[7 - (r - first)], lang)


# ---- settings ------------------------------------------------------------------------------
#
# Where each setting lies, how it is stored and what the decoder accepts come from the
# program's field table (field_table.py); turning its bytes into a value is done here, from
# the image text.


def number_value(image, f):
    """The value a number field's bytes stand for, or None when they mean nothing."""
    codec, offset = f["codec"], f["offset"]
    n = image.byte(offset)
    if codec == "byte":
        return n
    if codec == "plus_one":
        return n - 1
    if codec == "tens":
        return n * 10
    if codec == "zero_as_ff":
        # The program reads 0xFF here as 0 ("Empty"), the value that is written as 0xFF, so a
        # read followed by a write leaves the radio's retrace times as they were.
        return 0 if n == 0xFF else n
    if codec == "ascii_digit":
        return digit_setting(n)
    if codec == "bit0":
        return int(image.bits(offset)[7])
    if codec == "word":
        return image.signed_word(offset)
    raise ValueError(codec)


def digit_setting(n):
    """0x00 and 0xFF give 0, an ASCII digit its value. Any other byte has no meaning; it
    counts as out of range and changes nothing."""
    if n in (0x00, 0xFF):
        return 0
    c = chr(n)
    return int(c) if c in "0123456789" else None


def field_values(image, f):
    """The values of a text or frequency row, one per element."""
    step, values = f["width"], []
    for i in range(f["count"]):
        at = f["offset"] + step * i
        if f["codec"] == "frequency":
            values.append(image.frequency(at))
        else:
            special = {0x3A: "0"} if f["codec"] == "group_code" else None
            values.append(image.characters(at, step, special))
    return values


def store(state, f, value):
    """Puts a value where `kvd270-cli show --json` shows it."""
    old = f["old"] or {"table": "program", "key": f["name"]}
    if old["table"] == "function_options":
        state["function_options"][old["slot"]] = str(value)
    elif old["table"] == "basic_options":
        state["basic_options"][old["slot"]] = value
    elif old["table"] == "panel":
        state["panel"][old["key"]] = value
    else:
        state[old["key"]] = value


def decode_settings(image, state):
    for f in field_table.FIELDS:
        codec = f["codec"]
        if codec == "band_code":
            code = image.byte(f["offset"])
            for position, (_, band_code) in enumerate(kvd_lists.BANDS):
                if band_code == code:
                    state["band"] = position
        elif codec in ("text", "group_code", "frequency"):
            values = field_values(image, f)
            if codec == "frequency":  # receive and transmit frequency of each row
                values = [values[i : i + 2] for i in range(0, len(values), 2)]
            store(state, f, values if f["count"] > 1 else values[0])
        else:
            value = number_value(image, f)
            low, high = f["accepted"]
            if value is not None and low <= value <= high:
                store(state, f, value)


# ---- the whole image ----------------------------------------------------------------------


def decode_image(text, state, lang):
    """Overwrites `state` with what the image text says, field by field."""
    image = ImageText(text)
    channels = [decode_channel(image, 0x10 * (r - 1), lang) for r in range(1, 17)]
    state["channels"] = channels
    decode_settings(image, state)
    decode_scan_add(image, channels, lang)


def read_file_text(data):
    """The file's bytes as hex text, the way Open reads them: a short file reads its
    missing bytes as erased memory (0xFF), bytes past the image are ignored."""
    data = bytes(data[:FILE_SIZE]) + b"\xff" * max(0, FILE_SIZE - len(data))
    return "".join(hex_byte(b) for b in data)


def open_channel_file(data, lang):
    """State after start-up and opening a file with these bytes."""
    text = read_file_text(data)
    if text[:10] != SIGNATURE_TEXT:
        raise WrongSignature()
    state = kvd_lists.startup_state()
    decode_image(text[10:], state, lang)
    return state


# ---- output -------------------------------------------------------------------------------


def to_json(state):
    """The JSON object in the layout of `kvd270-cli show --json`."""

    def s(text):
        return json.dumps(text, ensure_ascii=False)

    def row(cells):
        return "{" + ", ".join(s(k) + ": " + s(cells[k]) for k in kvd_lists.CHANNEL_KEYS) + "}"

    fo = state["function_options"]
    lines = [
        "{",
        '  "band": %d,' % state["band"],
        '  "channels": [',
        ",\n".join("    " + row(c) for c in state["channels"]),
        "  ],",
        '  "panel": {'
        + ", ".join(s(k) + ": %d" % v for k, v in state["panel"].items())
        + "},",
        '  "function_options": {'
        + ", ".join(s(str(i)) + ": " + s(fo[i]) for i in range(1, 25))
        + "},",
        '  "basic_options": [' + ", ".join(str(v) for v in state["basic_options"]) + "],",
        '  "group_codes": [' + ", ".join(s(g) for g in state["group_codes"]) + "],",
        '  "key_function_1": %d,' % state["key_function_1"],
        '  "key_function_2": %d,' % state["key_function_2"],
        '  "embedded_info": [' + ", ".join(s(t) for t in state["embedded_info"]) + "],",
        '  "debug_frequencies": ['
        + ", ".join("[" + s(a) + ", " + s(b) + "]" for a, b in state["debug_frequencies"])
        + "],",
        '  "high_power_level": %d,' % state["high_power_level"],
        '  "low_power_level": %d' % state["low_power_level"],
    ]
    # Settings added since the slot numbering come last, by their names.
    for f in field_table.FIELDS:
        if f["old"] is None:
            lines[-1] += ","
            lines.append("  %s: %s" % (s(f["name"]), json.dumps(state[f["name"]], ensure_ascii=False)))
    lines.append("}")
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description="Decode a KVD-270 channel file to JSON.")
    parser.add_argument("file")
    parser.add_argument("--lang", choices=("en", "zh"), default="en")
    try:
        args = parser.parse_args(argv)
    except SystemExit as e:
        return 2 if e.code else 0
    try:
        with open(args.file, "rb") as f:
            data = f.read()
    except OSError as e:
        print("%s: cannot be read: %s" % (args.file, e.strerror), file=sys.stderr)
        return 2
    try:
        state = open_channel_file(data, args.lang)
    except WrongSignature:
        print("%s: not a KVD-270 channel file (wrong signature)" % args.file, file=sys.stderr)
        return 2
    sys.stdout.buffer.write(to_json(state).encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
