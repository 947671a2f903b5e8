#!/usr/bin/env python3
"""Checks the sample dictionaries that authors drop into a ghost of their own.

Each sample is added to a ghost that already answers its own events, so:
- it defines none of the names that ghosts commonly define (a second OnBoot
  stops every YAYA ghost with "duplicated function names"; Satori and Kawari
  pick one of two definitions at random);
- each call of zef names a command word that zef has, with the argument count
  that word takes (firstZEF and startZEF: 9 + n after the word, n being their
  second argument; settingZEF: none; ZEF: at least one; changeZEF: two);
- it answers the menu's event under the name that its engine calls.

check_archives.py reads the calls from the shipped files with the same
functions and sends each one to the archive's module.

usage: check_samples.py SAMPLE_DIR
"""
import pathlib
import re
import shlex
import sys

# Events that ghosts define themselves: a sample that defines one breaks the ghost.
COMMON_EVENTS = {"OnBoot", "OnFirstBoot", "OnClose", "OnCloseAll", "OnGhostChanged", "OnGhostChanging",
                 "OnGhostCalled", "OnVanished", "OnMouseClick", "OnMouseDoubleClick", "OnSecondChange",
                 "OnMinuteChange", "OnChoiceSelect", "OnTranslate", "OnSatoriLoad", "OnSatoriBoot",
                 "load", "unload", "request"}


def satori_split(call):
    """Satori splits a call at the separator that follows the SAORI's name, and only at that one."""
    return call[1:].split(call[0])


# Per engine: the call pattern, how a call's text splits into arguments, how
# definitions are written, and the name under which the engine raises the
# menu's event "settingZEF".
ENGINES = {
    "yaya/zef.dic": {
        "call": r'FUNCTIONEX\(("zef\.dll",[^)]*)\)',
        "split": lambda call: re.findall(r'"([^"]*)"', call)[1:],
        "comment": r"^\s*//.*$",
        "defines": lambda text: re.findall(r"^([^\s/{}()]+)[ \t]*(?::[ \t]*\w+[ \t]*)?\r?\n\{", text, re.MULTILINE),
        "menu_event": {"On_settingZEF"},
    },
    "satori/dic_zef.txt": {
        "call": r"（zef([,、，][^（）]*)）",
        "split": satori_split,
        "comment": r"^＃.*$",
        "defines": lambda text: re.findall(r"^[＊＠](\S+)", text, re.MULTILINE),
        "menu_event": {"settingZEF"},
    },
    "kawari/dict-zef.txt": {
        "call": r"\$\(callsaori zef (.*?)\)",
        "split": shlex.split,
        "comment": r"^#.*$",
        "defines": lambda text: [name.strip() for names in re.findall(r"^([\w.@?]+(?:\s*,\s*[\w.@?]+)*)\s*:", text,
                                                                        re.MULTILINE) for name in names.split(",")],
        # Kawari's documented SHIORI/3.0 handler sends IDs without "On" to resource.,
        # other handlers send every ID to event.
        "menu_event": {"event.settingZEF", "resource.settingZEF"},
    },
}


def calls_in(name, text):
    """The requests that a sample sends, each a list of arguments with the command word first:
    those of its code in file order, then the examples in its comments."""
    engine = ENGINES[name]
    code = re.sub(engine["comment"], "", text, flags=re.MULTILINE)
    comments = "\n".join(re.findall(engine["comment"], text, re.MULTILINE))
    return [engine["split"](call) for part in (code, comments) for call in re.findall(engine["call"], part)]


def argument_count_problem(arguments):
    word, count = arguments[0], len(arguments) - 1
    if word in ("firstZEF", "startZEF"):
        characters = int(arguments[2]) if count >= 2 and arguments[2].isdigit() else -1
        return None if characters >= 1 and count == 9 + characters else f"{count} arguments, 9 + n expected"
    expected = {"settingZEF": count == 0, "ZEF": count >= 1, "changeZEF": count == 2}
    return None if expected.get(word, True) else f"{count} arguments"


def problems(name, text, words):
    """What is wrong with the sample NAME (text TEXT) for a module that has the command words WORDS."""
    found = []
    calls = calls_in(name, text)
    if not calls:
        found.append(f"sample/{name} calls zef nowhere")
    for arguments in calls:
        if arguments[0] not in words:
            found.append(f"sample/{name} calls {arguments[0]!r}, which zef does not have")
            continue
        problem = argument_count_problem(arguments)
        if problem:
            found.append(f"sample/{name}: {' '.join(arguments)!r}: {problem}")
    defined = set(ENGINES[name]["defines"](text))
    for clash in sorted({re.sub(r"^(event|resource)\.", "", n) for n in defined} & COMMON_EVENTS):
        found.append(f"sample/{name} defines {clash}, which the ghost it is added to already has")
    missing = ENGINES[name]["menu_event"] - defined
    if missing:
        found.append(f"sample/{name} does not define {sorted(missing)} for the menu's event")
    return found


def main():
    if len(sys.argv) != 2:
        print("usage: check_samples.py SAMPLE_DIR", file=sys.stderr)
        return 2
    sample_dir = pathlib.Path(sys.argv[1])
    words = {"firstZEF", "startZEF", "ZEF", "settingZEF", "changeZEF"}
    failures = []
    for name in ENGINES:
        text = (sample_dir / name).read_text(encoding="utf-8")
        failures += problems(name, text, words)
        print(f"sample/{name}: {len(calls_in(name, text))} calls, defines {sorted(set(ENGINES[name]['defines'](text)))}")
    print("\n".join(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
