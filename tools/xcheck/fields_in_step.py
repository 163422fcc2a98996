#!/usr/bin/env python3
"""Fails when fields.json is not what `kvd270-cli fields` prints for the program's field table.

    fields_in_step.py --cli build/release/src/cli/kvd270-cli [--write]

--write brings fields.json in step.
"""

import argparse
import difflib
import subprocess
import sys

import field_table


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--write", action="store_true")
    args = parser.parse_args(argv)
    printed = subprocess.run([args.cli, "fields"], capture_output=True, text=True,
                             check=True).stdout
    if args.write:
        with open(field_table.PATH, "w", encoding="utf-8") as f:
            f.write(printed)
        return 0
    with open(field_table.PATH, encoding="utf-8") as f:
        kept = f.read()
    if kept == printed:
        return 0
    sys.stdout.writelines(difflib.unified_diff(kept.splitlines(True), printed.splitlines(True),
                                               "fields.json", "kvd270-cli fields"))
    print("fields.json is out of step with the field table; bring it in step with\n"
          "  tools/xcheck/fields_in_step.py --cli %s --write" % args.cli)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
