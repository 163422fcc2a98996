"""Channel files that no decoder has seen: realistic programmed radios, erased ones, random
bytes, odd tone words and frequencies, out-of-range settings, short, long and foreign files.

Every generator takes a random.Random and returns the file's bytes. The programmed images are
built byte by byte from the memory map, not through either decoder.
"""

import field_table
import kvd_lists

IMAGE_SIZE = 848
SIGNATURE = b"KVD27"
EMPTY_RECORD = bytes([0xFF] * 12 + [0xF8, 0xF0, 0xFC, 0xFF])
BAND_LIMITS = [(int(text[0:3]), int(text[4:7])) for text, _ in kvd_lists.BANDS]
PRINTABLE = "".join(chr(c) for c in range(0x20, 0x7F))
DTMF = "0123456789ABCD*#"

# One-byte settings stored as themselves (or plus one): {offset: (lowest, highest)} byte the
# decoder takes.
SETTING_BYTES = field_table.plain_byte_ranges()
# Every one-byte number setting by offset, with its codec.
OFFSET_CODECS = {
    f["offset"]: f["codec"]
    for f in field_table.FIELDS
    if f["width"] == 1 and f["codec"] not in ("text", "band_code")
}


def bcd_frequency(units):
    """Four bytes of packed BCD, least significant pair first, for a frequency in 10 Hz."""
    digits = "%08d" % units
    return bytes(int(digits[i : i + 2], 16) for i in (6, 4, 2, 0))


def word(value):
    return bytes([value & 0xFF, (value >> 8) & 0xFF])


def random_frequency(rng, band):
    low, high = BAND_LIMITS[band]
    step = rng.choice((500, 625))
    first = -(-low * 100000 // step)
    last = (high * 100000 - 1) // step
    return rng.randint(first, last) * step


def listed_tone_word(rng):
    kind = rng.random()
    if kind < 0.3:
        return 0xFFFF
    if kind < 0.6:
        return int(rng.choice(kvd_lists.CTCSS_TONES).replace(".", ""))
    code = int(rng.choice(kvd_lists.DCS_CODES), 8)
    return (0x2000 if rng.random() < 0.5 else 0xA000) | 0x800 | code


def odd_tone_word(rng):
    """Tone words the editors never produce."""
    return rng.choice(
        (
            lambda: rng.randint(0, 0xFFFF),
            lambda: rng.randint(0, 9),  # a single decimal digit
            lambda: rng.randint(10, 669),  # CTCSS below the list
            lambda: rng.randint(2542, 0x1FFF),  # CTCSS above the list
            lambda: int(rng.choice(kvd_lists.CTCSS_TONES).replace(".", "")) + 1,
            lambda: rng.choice((0x2000, 0xA000)) | rng.randint(0, 0x7FF),  # no 0x800 bit
            lambda: rng.choice((0x2000, 0xA000)) | rng.randint(0x800, 0xFFF),
            lambda: rng.randint(0x8000, 0x9FFF),
            lambda: rng.randint(0xB000, 0xFFFE),
            lambda: rng.choice((0x0000, 0x2000, 0x2800, 0xA000, 0xA800, 0x8000, 0xFFFE)),
        )
    )()


def channel_record(rng, band, tone=listed_tone_word):
    if rng.random() < 0.25:
        return EMPTY_RECORD
    rx = bcd_frequency(random_frequency(rng, band))
    tx = b"\xff" * 4 if rng.random() < 0.15 else bcd_frequency(random_frequency(rng, band))
    lockout = rng.choice((0xF0, 0xF8))
    power = 0xC0 | rng.getrandbits(1) << 5 | rng.getrandbits(1) << 4
    return rx + tx + word(tone(rng)) + word(tone(rng)) + bytes([lockout, power, 0xFC, 0xFF])


def text_field(text, width, zero_byte=0x30):
    raw = bytes(zero_byte if c == "0" else ord(c) for c in text[:width])
    return raw + b"\xff" * (width - len(raw))


def random_text(rng, alphabet, width):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(0, width)))


def setting_bytes(rng, f, band_code):
    """Bytes of one setting, as the program writes them, for every value of the row."""
    codec, width = f["codec"], f["width"]
    out = b""
    for _ in range(f["count"]):
        if codec in ("byte", "plus_one", "zero_as_ff"):
            low, high = SETTING_BYTES.get(f["offset"], (0, 255))
            n = rng.randint(low, high)
            out += bytes([0xFF if codec == "zero_as_ff" and n == 0 else n])
        elif codec == "tens":
            out += bytes([rng.randint(f["accepted"][0] // 10, f["accepted"][1] // 10)])
        elif codec == "ascii_digit":
            out += bytes([rng.choice((0x00, rng.randint(0x31, 0x39)))])
        elif codec == "bit0":
            out += bytes([0xFE | rng.getrandbits(1)])
        elif codec == "word":
            out += word(rng.randint(-300, 300) if rng.random() < 0.2 else rng.randint(0, 300))
        elif codec == "text":
            out += text_field(random_text(rng, PRINTABLE, width), width)
        elif codec == "group_code":
            out += text_field(random_text(rng, DTMF, width), width, zero_byte=0x3A)
        elif codec == "frequency":
            out += b"\xff" * 4 if rng.random() < 0.5 else bcd_frequency(rng.randint(0, 99999999))
        elif codec == "band_code":
            out += bytes([band_code])
    return out


def programmed_image(rng, tone=listed_tone_word):
    """An image as the program would write it for a plausible radio."""
    band = rng.randrange(len(kvd_lists.BANDS))
    code = kvd_lists.BANDS[band][1]
    image = bytearray([0xFF] * IMAGE_SIZE)
    for r in range(16):
        image[0x10 * r : 0x10 * r + 16] = channel_record(rng, band, tone)
    image[0x16E] = rng.getrandbits(8)  # scan add, channels 1-8 and 9-16
    image[0x16F] = rng.getrandbits(8)
    image[0x123] = 0x00
    image[0x1A8:0x1B0] = b"KVD27\xff\xf8\xff"  # the band code goes in with the settings
    image[0x330:0x350] = b"KVD-270" + b"\xff" * 9 + b"52718394" + b"\x88" * 8
    for f in field_table.FIELDS:
        raw = setting_bytes(rng, f, code)
        for at in (f["offset"], f["copy_offset"]):
            if at is not None:
                image[at : at + len(raw)] = raw
    return image


def with_signature(image):
    return SIGNATURE + bytes(image)


# ---- the kinds of file ----------------------------------------------------------------------


def programmed(rng):
    return with_signature(programmed_image(rng))


def erased(rng):
    return with_signature(b"\xff" * IMAGE_SIZE)


def random_bytes(rng):
    return with_signature(rng.randbytes(IMAGE_SIZE))


def odd_tones(rng):
    return with_signature(programmed_image(rng, tone=odd_tone_word))


def odd_frequencies(rng):
    """Frequency fields with non-decimal nibbles or only partly erased."""
    image = programmed_image(rng)
    debug = field_table.row("debugFrequencies")
    fields = [0x10 * r + b for r in range(16) for b in (0, 4)]
    fields += [debug["offset"] + 4 * i for i in range(debug["count"])]
    for offset in rng.sample(fields, rng.randint(1, 12)):
        raw = bytearray(rng.randbytes(4))
        for i in rng.sample(range(4), rng.randint(0, 3)):
            raw[i] = 0xFF
        image[offset : offset + 4] = raw
    return with_signature(image)


def boundary_value(rng, offset):
    taken = SETTING_BYTES.get(offset)
    values = [0x00, 0x01, 0xFF, 0xFE, 0x7F, 0x80, rng.getrandbits(8)]
    if taken is not None:
        values += [taken[0] - 1, taken[1], taken[1] + 1, taken[1] + 2]
    codec = OFFSET_CODECS.get(offset)
    if codec == "tens":
        values += [9, 10, 11, 99, 100, 101]
    if codec == "ascii_digit":
        values += [0x2F, 0x30, 0x39, 0x3A, 0x20, 0x41, 0x2D, rng.randint(0x30, 0x39)]
    return rng.choice(values) & 0xFF


def out_of_range_settings(rng):
    """Settings bytes at and beyond the edges of what the decoder takes over."""
    image = programmed_image(rng)
    offsets = list(OFFSET_CODECS)
    for offset in rng.sample(offsets, rng.randint(1, len(offsets))):
        image[offset] = boundary_value(rng, offset)
    for f in field_table.rows("word"):
        if rng.random() < 0.6:
            value = rng.choice((300, 301, -1, -32768, 0x7FFF, 0x8000, 0, rng.getrandbits(16)))
            image[f["offset"] : f["offset"] + 2] = word(value)
    if rng.random() < 0.5:
        band = field_table.row("band")["offset"]
        image[band] = rng.choice((rng.getrandbits(8), 0x00, 0xFF, 0x34, 0x22))
    return with_signature(image)


def odd_texts(rng):
    """Text fields and code groups holding every kind of byte, 0x3A and 0xFF included."""
    image = programmed_image(rng)
    alphabet = [0x3A, 0x30, 0x00, 0x22, 0x5C, 0x7F, 0x80, 0xA0, 0xFE, 0xFF, 0x0A, 0x09]
    texts = field_table.rows("text") + field_table.rows("group_code")
    for f in texts:
        for k in range(f["offset"], f["offset"] + f["width"] * f["count"]):
            if rng.random() < 0.5:
                image[k] = rng.choice(alphabet + [rng.getrandbits(8)])
    return with_signature(image)


def mutated(rng):
    """A programmed image with a few bytes anywhere changed."""
    image = programmed_image(rng)
    for _ in range(rng.randint(1, 40)):
        image[rng.randrange(IMAGE_SIZE)] = rng.getrandbits(8)
    return with_signature(image)


def short(rng):
    data = rng.choice((programmed, random_bytes, erased))(rng)
    length = rng.choice((0, 1, 4, 5, 6, 21, 0x100 + 5, 821, 822, 852, rng.randrange(853)))
    return data[:length]


def long(rng):
    data = rng.choice((programmed, random_bytes))(rng)
    extra = rng.choice((1, 2, 3, rng.randint(1, 2000)))
    return data + rng.randbytes(extra)


def foreign(rng):
    """A file whose signature is not "KVD27"."""
    data = bytearray(programmed(rng))
    choice = rng.random()
    if choice < 0.4:
        data[rng.randrange(5)] ^= 1 << rng.randrange(8)
    elif choice < 0.6:
        data[0:5] = b"kvd27"
    elif choice < 0.8:
        data = data[1:]
    else:
        data = bytearray(rng.randbytes(len(data)))
    return bytes(data)


# Kinds with their share of the files generated.
KINDS = (
    (programmed, 20),
    (random_bytes, 15),
    (odd_tones, 12),
    (odd_frequencies, 8),
    (out_of_range_settings, 15),
    (odd_texts, 8),
    (mutated, 8),
    (short, 6),
    (long, 4),
    (erased, 2),
    (foreign, 2),
)


def generate(rng):
    """One file: (kind name, bytes)."""
    kinds, weights = zip(*KINDS)
    kind = rng.choices(kinds, weights)[0]
    return kind.__name__, kind(rng)
