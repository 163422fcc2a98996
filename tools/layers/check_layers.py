#!/usr/bin/env python3
"""The source folders are layers: a file may include from its own folder and from folders
below it, never from one above or beside it. The core below the catalogue knows no Qt.

    check_layers.py SRC_DIR

Prints every include that breaks the order and exits 1 when there is one."""
import pathlib
import re
import sys

# Lowest first; folders of one rank know nothing of each other.
RANKS = {
    'texts': 0,         # text ids and texts with arguments (UserText), quoting, UTF-8
    'settings': 1,      # program-wide flags, panel lists, message box styles
    'channels': 2,      # channel values, their cells, lists, bands, CSV exchange
    'image': 3,         # settings, field table, memory image, channel file
    'link': 4,          # the programming protocol
    'sim': 5,           # the radio's side of the protocol
    'catalogue': 5,     # the texts in the interface languages (QtCore)
    'link/qt': 6,       # the serial link on Qt
    'printout': 6,      # the printout of a configuration (QtGui)
    'cli': 7,           # kvd270-cli
    'widgets': 7,       # what the main window and the dialogs share
    'shell': 8,         # the main window
    'dialogs': 8,       # the settings dialogs
    'app': 9,           # the program: the window with its parts
}
CORE = {'texts', 'settings', 'channels', 'image', 'link'}

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def folder_of(path):
    """The layer a path inside src/ belongs to; None for a test."""
    parts = path.split('/')
    if 'tests' in parts[:-1]:
        return None
    for length in (2, 1):
        name = '/'.join(parts[:length])
        if len(parts) > length and name in RANKS:
            return name
    return '?' + parts[0]


def main():
    src = pathlib.Path(sys.argv[1])
    problems = []
    for file in sorted(src.rglob('*')):
        if file.suffix not in ('.h', '.cpp'):
            continue
        relative = file.relative_to(src).as_posix()
        here = folder_of(relative)
        if here is None:
            continue
        if here not in RANKS:
            problems.append(f'{relative}: folder {here[1:]} has no place among the layers')
            continue
        for included in INCLUDE.findall(file.read_text(encoding='utf-8')):
            if here in CORE and re.match(r'Q[A-Za-z]*(/|$)', included):
                problems.append(f'{relative}: the core includes Qt ({included})')
                continue
            if '/' not in included or not (src / included).exists():
                continue  # a system header, or one beside the file
            there = folder_of(included)
            if there is None:
                problems.append(f'{relative}: includes a test file ({included})')
            elif there != here and (there not in RANKS or RANKS[there] >= RANKS[here]):
                problems.append(f'{relative} ({here}) includes {included} ({there})')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
