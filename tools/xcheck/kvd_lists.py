"""Fixed lists of the KVD-270 programmer, kept apart from the decoder that uses them.

Languages are "zh" and "en"; every table that differs per language holds both texts.
"""

LANGUAGES = ("zh", "en")

# Tone list entry 0, the "no tone" entry.
TONE_OFF = {"zh": "关闭", "en": "Off"}

CTCSS_TONES = (
    "67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 "
    "114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 "
    "171.3 173.8 177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.9 203.5 206.5 210.7 218.1 "
    "225.7 229.1 233.6 241.8 250.3 254.1"
).split()

DCS_CODES = (
    "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
    "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
    "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
    "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
    "532 546 565 606 612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 754"
).split()


def tone_list(lang):
    """The 261 texts of the tone list in list order."""
    return (
        [TONE_OFF[lang]]
        + CTCSS_TONES
        + ["D" + code + "N" for code in DCS_CODES]
        + ["D" + code + "I" for code in DCS_CODES]
    )


# Two-entry lists of the channel table's choice columns: (entry 0, entry 1) per language.
CHOICES = {
    "power": {"zh": ("低", "高"), "en": ("Low", "Hight")},
    "busy_lock": {"zh": ("载波", "关闭"), "en": ("Carrow", "Off")},
    "bandwidth": {"zh": ("窄带", "宽带"), "en": ("Narrow", "Wide")},
    "scan_add": {"zh": ("无", "有"), "en": ("No", "Have")},
}

# Band list in list order: (item text, band code).
BANDS = (
    ("400-490MHz", 0x33),
    ("450-490MHz", 0x21),
    ("400-430MHz", 0x43),
    ("370-390MHz", 0x63),
    ("350-370MHz", 0x53),
    ("136-174MHz", 0x01),
    ("600-720MHz", 0x73),
)

CHANNEL_KEYS = ("rx", "rx_tone", "tx", "tx_tone", "power", "busy_lock", "bandwidth", "scan_add")


# The old FunctionOptions slots run from 1 to 24; a slot that holds no setting shows "1".
FUNCTION_SLOTS = 24


def startup_state():
    """The settings, panel and band as they stand before any file is opened: the field
    table's start values, placed as `kvd270-cli show --json` shows them."""
    import decode_dat
    import field_table

    state = {
        "band": 0,
        "channels": [{key: "" for key in CHANNEL_KEYS} for _ in range(16)],
        "panel": {},
        "function_options": {slot: "1" for slot in range(1, FUNCTION_SLOTS + 1)},
        "basic_options": [None] * sum(
            1 for f in field_table.FIELDS if (f["old"] or {}).get("table") == "basic_options"
        ),
    }
    for f in field_table.FIELDS:
        start = f["start"]
        if f["codec"] == "frequency":
            value = [["", ""] for _ in range(f["count"] // 2)]
        elif f["codec"] in ("text", "group_code"):
            value = start if f["count"] > 1 else start[0]
        else:
            value = "" if start is None else start
        decode_dat.store(state, f, value)
    return state
