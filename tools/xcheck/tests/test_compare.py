"""The comparison must notice a tool that reads files differently, and keep the evidence.

The tool under test is stood in for by the reference decoder itself, with one fault planted.
"""

import contextlib
import io
import os
import stat
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, HERE)

import compare  # noqa: E402
import image_gen  # noqa: E402

FAKE_CLI = """#!{python}
import sys
sys.path.insert(0, {here!r})
import decode_dat, kvd_lists
{fault}
_, path, _, _, lang = sys.argv[1:]  # show PATH --json --lang LANG
sys.exit(decode_dat.main([path, "--lang", lang]))
"""

SWAPPED_BANDWIDTH = 'kvd_lists.CHOICES["bandwidth"]["en"] = ("Wide", "Narrow")'
# Reads every file as if it began with the right signature.
NO_SIGNATURE_CHECK = """
read = decode_dat.read_file_text
decode_dat.read_file_text = lambda data: decode_dat.SIGNATURE_TEXT + read(data)[10:]
"""


class Comparison(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def fake_cli(self, fault=""):
        path = os.path.join(self.dir.name, "fake-cli-%d" % len(os.listdir(self.dir.name)))
        with open(path, "w") as f:
            f.write(FAKE_CLI.format(python=sys.executable, here=HERE, fault=fault))
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        return path

    def check(self, cli, data):
        path = os.path.join(self.dir.name, "input.dat")
        with open(path, "wb") as f:
            f.write(data)
        return compare.check_file(cli, path, data)

    def run_main(self, cli, count):
        keep = os.path.join(self.dir.name, "kept")
        args = ["--cli", cli, "--count", str(count), "--seed", "7", "--keep", keep, "--quiet"]
        with contextlib.redirect_stdout(io.StringIO()):
            status = compare.main(args)
        return status, sorted(os.listdir(keep)) if os.path.isdir(keep) else []

    def test_a_faithful_tool_agrees_on_every_kind_of_file(self):
        status, kept = self.run_main(self.fake_cli(), 25)
        self.assertEqual((status, kept), (0, []))

    def test_a_wrong_text_is_reported_in_its_language_only(self):
        data = image_gen.programmed(compare.file_rng(1, 0))
        notes = self.check(self.fake_cli(SWAPPED_BANDWIDTH), data)
        self.assertTrue(notes)
        for note in notes:
            self.assertRegex(note, r"^\[en\] channels\[\d+\]\.bandwidth: ")

    def test_accepting_a_foreign_file_is_reported(self):
        data = b"KVD28" + bytes(image_gen.programmed(compare.file_rng(1, 1))[5:])
        notes = self.check(self.fake_cli(NO_SIGNATURE_CHECK), data)
        expected = ["[%s] exit status: reference 2, cli 0" % lang for lang in ("en", "zh")]
        self.assertEqual(notes, expected)

    def test_differing_files_are_kept_with_their_notes(self):
        status, kept = self.run_main(self.fake_cli(SWAPPED_BANDWIDTH), 10)
        self.assertEqual(status, 1)
        self.assertTrue(kept)
        notes = [name for name in kept if name.endswith(".txt")]
        self.assertEqual(len(notes) * 2, len(kept))
        with open(os.path.join(self.dir.name, "kept", notes[0]), encoding="utf-8") as f:
            self.assertIn("bandwidth", f.read())


if __name__ == "__main__":
    unittest.main()
