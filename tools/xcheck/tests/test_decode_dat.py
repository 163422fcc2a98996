"""The reference decoder against the worked examples of the file format."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import decode_dat  # noqa: E402

EMPTY_RECORD = bytes([0xFF] * 12 + [0xF8, 0xF0, 0xFC, 0xFF])


def erased_file():
    return bytearray(b"KVD27" + b"\xff" * 848)


def put(data, offset, raw):
    data[5 + offset : 5 + offset + len(raw)] = raw


def one_channel_file(tx=b"\xff" * 4, rx_tone=b"\xff\xff", tx_tone=b"\xff\xff", flags=b"\xf8\xf0"):
    data = erased_file()
    put(data, 0, bytes([0x50, 0x62, 0x25, 0x46]) + tx + rx_tone + tx_tone + flags + b"\xfc\xff")
    return data


class ToneAndFrequencyTexts(unittest.TestCase):
    def test_tone_words(self):
        cases = {
            "2813": "D023N",
            "A9EC": "D754I",
            "029E": "67.0",
            "09ED": "254.1",
            "2013": "D23N",  # no 0x800 bit: only two octal digits
            "2000": "D0N",
            "0005": ".5",
            "8000": "3276.8",
        }
        for word, text in cases.items():
            self.assertEqual(decode_dat.tone_text(word), text, word)

    def test_frequency_fields(self):
        image = decode_dat.ImageText("50622546" + "FFFFFFFF" + "0A1B2C3D" + "FFFFFF00")
        self.assertEqual(image.frequency(0), "462.56250")
        self.assertEqual(image.frequency(4), "")
        self.assertEqual(image.frequency(8), "3D2.C1B0A")  # nibbles copied as they stand
        self.assertEqual(image.frequency(12), "00F.FFFFF")

    def test_helpers(self):
        self.assertEqual(decode_dat.hex_byte(5), "05")
        self.assertEqual(decode_dat.hex_byte(0x1AB), "1AB")
        self.assertEqual(decode_dat.hex_to_bits("F8"), "11111000")


class Channels(unittest.TestCase):
    def channel(self, data, lang="en", row=0):
        return decode_dat.open_channel_file(bytes(data), lang)["channels"][row]

    def test_transmit_tone_of_a_channel_without_transmit_frequency(self):
        self.assertEqual(self.channel(one_channel_file())["tx_tone"], "")
        self.assertEqual(self.channel(one_channel_file(tx_tone=b"\x13\x28"))["tx_tone"], "D023N")
        with_tx = one_channel_file(tx=bytes([0x00, 0x50, 0x52, 0x46]))
        self.assertEqual(self.channel(with_tx)["tx_tone"], "Off")
        self.assertEqual(self.channel(with_tx, "zh")["tx_tone"], "关闭")
        self.assertEqual(self.channel(with_tx)["tx"], "465.25000")
        self.assertEqual(self.channel(with_tx)["rx_tone"], "Off")

    def test_choice_bits_in_both_languages(self):
        data = one_channel_file(flags=b"\xf0\xd0")  # lock on carrier, low power, wide
        put(data, 0x16E, b"\x01")
        self.assertEqual(
            [self.channel(data)[k] for k in ("power", "busy_lock", "bandwidth", "scan_add")],
            ["Low", "Carrow", "Wide", "Have"],
        )
        data = one_channel_file(flags=b"\x08\x20")  # only the bits looked at: off, high, narrow
        put(data, 0x16E, b"\xfe")
        self.assertEqual(
            [self.channel(data, "zh")[k] for k in ("power", "busy_lock", "bandwidth", "scan_add")],
            ["高", "关闭", "窄带", "无"],
        )

    def test_scan_add_of_channel_12_and_of_empty_channels(self):
        data = erased_file()
        put(data, 0x10 * 11, bytes([0x00, 0x50, 0x52, 0x46]) + EMPTY_RECORD[4:])
        put(data, 0x16E, b"\xff\xf8")
        state = decode_dat.open_channel_file(bytes(data), "zh")
        self.assertEqual(state["channels"][11]["scan_add"], "有")
        others = [c["scan_add"] for i, c in enumerate(state["channels"]) if i != 11]
        self.assertEqual(others, [""] * 15)


class Settings(unittest.TestCase):
    def test_erased_radio(self):
        state = decode_dat.open_channel_file(bytes(erased_file()), "en")
        self.assertEqual(state["basic_options"], [0, 1, 0, 1, 1, 1, 0, 0])
        self.assertEqual(state["panel"], dict.fromkeys(state["panel"], 1))
        self.assertEqual((state["high_power_level"], state["low_power_level"]), (255, 255))
        fo = state["function_options"]
        self.assertEqual([fo[k] for k in (10, 16, 17, 18, 19, 20)], ["1", "", "", "", "-1", "-1"])
        self.assertEqual(state["group_codes"], [""] * 8)
        self.assertEqual(state["key_function_1"], 10)

    def test_edges_of_the_accepted_ranges(self):
        data = erased_file()
        put(data, 0x100, bytes([3, 4, 100, 0, 16, 1, 0x37, 15]))
        put(data, 0x10D, bytes([11, 12]))
        put(data, 0x11F, bytes([2, 0, 10, 2, 0, 9, 1, 0]))
        put(data, 0x150, bytes([2, 0, 91, 92, 3]) + bytes([0x2D, 0x01, 0x2C, 0x01]))
        state = decode_dat.open_channel_file(bytes(data), "en")
        self.assertEqual(state["basic_options"], [3, 1, 1000, 0, 16, 1, 7, 15])
        self.assertEqual((state["key_function_1"], state["key_function_2"]), (11, 0))
        self.assertEqual(list(state["panel"].values()), [2, -1, 10, 9, 1, 0])
        fo = state["function_options"]
        self.assertEqual([fo[k] for k in (4, 11, 12, 13, 14, 15, 19, 20)],
                         ["2", "2", "1", "91", "1", "3", "", "300"])

    def test_text_fields_and_code_groups(self):
        data = erased_file()
        put(data, 0x110, b"A\xff0\xe9")
        put(data, 0x1F0, b"\x31\x3a\x32")
        put(data, 0x310, b'\xff"\\')
        state = decode_dat.open_channel_file(bytes(data), "en")
        self.assertEqual(state["function_options"][16], "A0é")
        self.assertEqual(state["group_codes"][0], "102")
        self.assertEqual(state["embedded_info"], ["", '"\\'])

    def test_band_code(self):
        data = erased_file()
        put(data, 0x1AD, b"\x01")
        self.assertEqual(decode_dat.open_channel_file(bytes(data), "en")["band"], 5)
        put(data, 0x1AD, b"\x02")
        self.assertEqual(decode_dat.open_channel_file(bytes(data), "en")["band"], 0)


class Files(unittest.TestCase):
    def test_signature(self):
        with self.assertRaises(decode_dat.WrongSignature):
            decode_dat.open_channel_file(b"KVD28" + b"\xff" * 848, "en")
        with self.assertRaises(decode_dat.WrongSignature):
            decode_dat.open_channel_file(b"KVD2", "en")

    def test_short_and_long_files(self):
        full = one_channel_file(tx=bytes([0x00, 0x50, 0x52, 0x46]))
        erased = decode_dat.open_channel_file(bytes(erased_file()), "en")
        self.assertEqual(decode_dat.open_channel_file(b"KVD27", "en"), erased)
        cut = decode_dat.open_channel_file(bytes(full[:9]), "en")
        self.assertEqual(cut["channels"][0]["rx"], "462.56250")
        self.assertEqual(cut["channels"][0]["tx"], "")
        longer = decode_dat.open_channel_file(bytes(full) + b"\x00" * 40, "en")
        self.assertEqual(longer, decode_dat.open_channel_file(bytes(full), "en"))


if __name__ == "__main__":
    unittest.main()
