#!/usr/bin/env python3
"""Every text a person reads lives in the catalogues under translations/; the code names
texts by id. This finds string literals in the product's sources that look like such a
text: any Chinese character, English words, or a text of the English catalogue.

    check_texts.py SOURCE_ROOT

Tests, and the simulator (a developer's tool in English), are not the product. A literal
that is no text for a person (a file format's column names, a log's words) is listed in
allowed.txt beside this script with the reason. Exits 1 when a literal is out of place."""
import html
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
CJK = re.compile('[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]')
# Two words with white space between them: prose, not a name, an option or a path.
WORDS = re.compile(r"[A-Za-z]{2,}[,.;:!?'()\"]*\s+[(\"']?[A-Za-z]{2,}")
SKIPPED = ('tests', 'sim')


def literals(source):
    """(line, text) of each string literal outside comments."""
    found = []
    i, line, n = 0, 1, len(source)
    while i < n:
        c = source[i]
        if source.startswith('//', i):
            end = source.find('\n', i)
            i = n if end < 0 else end
        elif source.startswith('/*', i):
            end = source.find('*/', i + 2)
            line += source.count('\n', i, end)
            i = n if end < 0 else end + 2
        elif c == "'":
            end = i + 1
            while end < n and source[end] != "'":
                end += 2 if source[end] == '\\' else 1
            i = end + 1
        elif c == '"':
            end = i + 1
            while end < n and source[end] != '"':
                end += 2 if source[end] == '\\' else 1
            found.append((line, source[i + 1:end]))
            i = end + 1
        else:
            line += c == '\n'
            i += 1
    return found


def catalogue_words(root):
    """The English catalogue's texts that are words (not numbers, units or punctuation)."""
    text = (root / 'translations' / 'kvd270_en.ts').read_text(encoding='utf-8')
    texts = {html.unescape(t) for t in re.findall(r'<translation[^>]*>([^<]*)</translation>', text)}
    return {t for t in texts if re.search(r'[A-Za-z]{2,}', t) and '%' not in t}


def main():
    root = pathlib.Path(sys.argv[1])
    allowed = set()
    for entry in (HERE / 'allowed.txt').read_text(encoding='utf-8').splitlines():
        if entry.strip() and not entry.startswith('#'):
            path, literal = entry.split('\t')[:2]
            allowed.add((path, literal))
    words = catalogue_words(root)
    problems = []
    for file in sorted((root / 'src').rglob('*')):
        if file.suffix not in ('.cpp', '.h'):
            continue
        relative = file.relative_to(root / 'src').as_posix()
        if any(part in SKIPPED for part in relative.split('/')[:-1]):
            continue
        for line, literal in literals(file.read_text(encoding='utf-8')):
            if (relative, literal) in allowed:
                continue
            why = ('Chinese' if CJK.search(literal)
                   else 'English words' if WORDS.search(literal)
                   else 'a catalogue text' if literal in words
                   else None)
            if why:
                problems.append(f'src/{relative}:{line}: {why} outside the catalogue: "{literal}"')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
