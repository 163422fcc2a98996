#!/usr/bin/env python3
"""Code reaches a control through the member that holds it, never by looking its name up:
a misspelt name would fail silently. Finds findChild / findChildren calls with a name in the
product's sources (tests may look controls up by their names).

    check_lookups.py SRC_DIR"""
import pathlib
import re
import sys

# findChild<T>(name...) or findChildren<T>(name...), where the first argument is not empty
# (a type-only lookup) and not the options alone.
LOOKUP = re.compile(r'findChild(?:ren)?\s*<[^>]*>\s*\(\s*(?!\)|Qt::|QString\(\))')


def main():
    src = pathlib.Path(sys.argv[1])
    problems = []
    for file in sorted(src.rglob('*')):
        if file.suffix not in ('.cpp', '.h') or 'tests' in file.relative_to(src).parts[:-1]:
            continue
        for number, line in enumerate(file.read_text(encoding='utf-8').splitlines(), 1):
            if LOOKUP.search(line):
                problems.append(f'{file.relative_to(src)}:{number}: a control looked up by name: '
                                f'{line.strip()}')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
