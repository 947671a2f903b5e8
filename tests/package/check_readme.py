#!/usr/bin/env python3
"""Keeps the Japanese readme (package/readme.txt) and README.md agreeing.

Both describe the commands to ghost authors, in two languages, so the test
compares what can be compared without translating: for each command word, the
sequence of argument names, setting keys, event names, quoted values and
numbers that its description mentions. It also checks that the readme has the
sections that SAORI readmes use, that its title and newest change entry name
the project version, that it can be written in Shift_JIS, that both
documents show the shell's drop-in file surfaces_zef.txt exactly as the sample
ships it, and that both point authors to the page that the archives carry,
playground.html.

usage: check_readme.py README.md package/readme.txt VERSION
"""
import re
import sys

SECTIONS = ["概要", "動作環境", "使用方法", "既知の制限", "配布条件", "更新履歴"]

# Argument names, quoted ASCII values, ASCII words (kept when they are command
# words, setting keys or events: they contain "ZEF" or "_") and numbers.
TOKEN = re.compile(r'Argument(?:\d+|\(9\+n\))|"[ -~]*?"|[A-Za-z_][A-Za-z0-9_]*|\d+')


def facts(text):
    tokens = []
    for token in TOKEN.findall(text.replace("`", "")):
        if token[0].isalpha() and not token.startswith("Argument") and "ZEF" not in token and "_" not in token:
            continue
        tokens.append(token)
    return tokens


def english_commands(readme):
    """Command word -> facts of its row (both cells after the word) in the table headed "| Argument0 |"."""
    rows = {}
    in_table = False
    for line in readme.splitlines():
        if line.startswith("| Argument0 |"):
            in_table = True
        elif not line.startswith("|"):
            in_table = False
        match = re.match(r"\| `(\w+)` \|(.*)\|\s*$", line)
        if in_table and match:
            rows[match.group(1)] = facts(match.group(2))
    return rows


def japanese_commands(readme):
    """Command word -> facts of its block: from the word alone on a line to the next blank line."""
    blocks = {}
    word = None
    for line in readme.splitlines():
        if word is None:
            if re.fullmatch(r"\w*ZEF", line):
                word, blocks[line] = line, []
        elif line.strip():
            blocks[word] += facts(line)
        else:
            word = None
    return blocks


def main():
    english_path, japanese_path, version = sys.argv[1:4]
    english = open(english_path, encoding="utf-8").read()
    japanese = open(japanese_path, encoding="utf-8").read()
    snippet_path = japanese_path.replace("readme.txt", "sample/shell/surfaces_zef.txt")
    snippet = open(snippet_path, encoding="utf-8").read()
    failures = []

    english_rows, japanese_blocks = english_commands(english), japanese_commands(japanese)
    if not english_rows:
        failures.append("README.md has no command table")
    if sorted(english_rows) != sorted(japanese_blocks):
        failures.append(f"command words: README.md {sorted(english_rows)}, readme.txt {sorted(japanese_blocks)}")
    for word in sorted(set(english_rows) & set(japanese_blocks)):
        if english_rows[word] != japanese_blocks[word]:
            failures.append(f"{word}:\n    README.md  {english_rows[word]}\n    readme.txt {japanese_blocks[word]}")

    headings = re.findall(r"^【(.+)】$", japanese, re.MULTILINE)
    if headings != SECTIONS:
        failures.append(f"readme.txt sections are {headings}, expected {SECTIONS}")
    if not japanese.startswith(f"zef {version} "):
        failures.append(f"readme.txt's title does not name version {version}")
    history = japanese.split("【更新履歴】", 1)[-1]
    newest = re.search(r"^\d{4}-\d\d-\d\d\s+(\S+)", history, re.MULTILINE)
    if not newest or newest.group(1) != version:
        failures.append(f"the newest entry of 更新履歴 is not version {version}")
    try:
        japanese.encode("shift_jis")
    except UnicodeEncodeError as error:
        failures.append(f"readme.txt: {japanese[error.start:error.end]!r} has no Shift_JIS form")

    for name, text in (("README.md", english), ("readme.txt", japanese)):
        if f"\n{snippet}" not in text:
            failures.append(f"{name} does not show {snippet_path} as it stands")
        if "playground.html" not in text:
            failures.append(f"{name} does not point authors to playground.html")

    if failures:
        print("\n".join(failures))
        return 1
    print(f"{len(english_rows)} commands agree: " + ", ".join(f"{w} ({len(t)} facts)" for w, t in sorted(english_rows.items())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
