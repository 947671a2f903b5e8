#!/usr/bin/env python3
"""Checks the sample dictionaries that authors drop into a ghost of their own.

Each sample is added to a ghost that already answers its own events, so:
- it defines none of the names that ghosts commonly define (a second OnBoot
  stops every YAYA ghost with "duplicated function names"; Satori and Kawari
  pick one of two definitions at random);
- each call of zef names a command word that zef has, with the argument count
  that word takes (firstZEF and startZEF: 9 + n after the word, n being their
  second argument; settingZEF: none; ZEF: at least one; changeZEF: two;
  restoreZEF: 1 + n, n from the sample's layout start); a talk written with
  the sample's one call (ZEF.Talk, （call,zefTalk,...）, $(zef.Talk ...))
  counts as ZEF with its utterances; a saved number that a call hands over
  (TOSTR(TOINT(ZEF.PosV)), （zefPosV）, $(if ${zef.pos.v} ...)) counts as an
  argument, read as the "0" of a ghost that has kept nothing yet;
- every definition that sends ZEF or settingZEF starts the layout first (the
  guard, or the one talk call that holds it), since the ghost's own boot
  events are left as they are and a SHIORI reload sends none;
- it defines its one talk call, and answers the menu's event under the name
  that its engine calls.

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
    """Satori splits a call at the separator that follows the SAORI's name, and only at that one;
    φ before a character keeps it from separating."""
    separator, arguments, current, escaped = call[0], [], "", False
    for character in call[1:]:
        if escaped:
            current, escaped = current + character, False
        elif character == "φ":
            escaped = True
        elif character == separator:
            arguments, current = arguments + [current], ""
        else:
            current += character
    return arguments + [current]


# What a call hands over from the ghost's saved variables stands for this
# value: a ghost that has kept nothing yet.
KEPT_NOTHING = "0"


def satori_arguments(call):
    """satori_split, with each argument that is a call of its own （...） read as a saved number."""
    return [KEPT_NOTHING if re.fullmatch(r"（[^（）]*）", argument) else argument for argument in satori_split(call)]


def yaya_arguments(call):
    """The arguments of a FUNCTIONEX call: its string literals, and its saved numbers TOSTR(TOINT(...))."""
    return [KEPT_NOTHING if kept else (double.replace('""', '"') if quote == '"' else single.replace("''", "'"))
            for quote, double, single, kept in
            re.findall(r"""(?:(")((?:[^"]|"")*)"|'((?:[^']|'')*)'|(TOSTR\(TOINT\([\w.\[\]]+\)\)))""", call)]


def kawari_arguments(call):
    """The words of a callsaori, each $(...) or ${...} in it read as a saved number."""
    return shlex.split(re.sub(r"\$\((?:[^()]|\([^()]*\))*\)|\$\{[^}]*\}", KEPT_NOTHING, call))


def yaya_strings(call):
    """The YAYA string literals of a call, "..." or '...' (a quote written twice stands for one), in order."""
    return [double.replace('""', '"') if quote == '"' else single.replace("''", "'") for quote, double, single in
            re.findall(r"""(?:(")((?:[^"]|"")*)"|'((?:[^']|'')*)')""", call)]


# Per engine: the call pattern and the talk call's pattern, how each call's
# text splits into arguments, how definitions are written, the guard that
# every sending definition holds, the talk call's definition, and the name
# under which the engine raises the menu's event "settingZEF".
ENGINES = {
    "yaya/zef.dic": {
        # FUNCTIONEX calls whose arguments are literals or saved numbers; the talk call forwards _argv.
        "call": r'FUNCTIONEX\(("zef\.dll"(?:\s*,\s*(?:"[^"]*"|TOSTR\(TOINT\([\w.\[\]]+\)\)))*)\s*\)',
        "split": lambda call: yaya_arguments(call)[1:],
        "talk": r'ZEF\.Talk\(((?:\s*(?:"(?:[^"]|"")*"|\'(?:[^\']|\'\')*\')\s*,?)*)\)',
        "talk_split": lambda call: ["ZEF"] + yaya_strings(call),
        "comment": r"^\s*//.*$",
        "blocks": r"\n\s*\n",
        "defines": lambda text: re.findall(r"^([^\s/{}()]+)[ \t]*(?::[ \t]*\w+[ \t]*)?\r?\n\{", text, re.MULTILINE),
        "guard": r"ZEF\.Start",
        "talk_definition": r'^ZEF\.Talk\n\{\n\tZEF\.Start\n\t--\n\tFUNCTIONEX\("zef\.dll", "ZEF", _argv\)\n\}',
        "menu_event": {"On_settingZEF"},
    },
    "satori/dic_zef.txt": {
        "call": r"（zef([,、，](?:[^（）]|（[^（）]*）)*)）",
        "split": satori_arguments,
        "talk": r"（call([,、，]zefTalk(?:[,、，][^（）]*)?)）",
        "talk_split": lambda call: ["ZEF"] + satori_split(call)[1:],
        "comment": r"^＃.*$",
        "blocks": r"\n\s*\n",
        "defines": lambda text: re.findall(r"^[＊＠](\S+)", text, re.MULTILINE),
        "guard": r"（zefStart）",
        # vncall hands the utterances on as they were passed, without splitting them again.
        "talk_definition": r"^＠zefTalk\n（zefStart）（vncall,zef,zefWordZEF（times、（Ａの数）、,Ａ（Ｃ０）））\n\n＠zefWordZEF\nZEF$",
        "menu_event": {"settingZEF"},
    },
    "kawari/dict-zef.txt": {
        # Up to the call's ")" or a ";" that ends its statement.
        "call": r"\$\(callsaori zef ((?:[^()$;]|\$\{[^}]*\}|\$\((?:[^()]|\([^()]*\))*\))*)",
        "split": kawari_arguments,
        "talk": r'\$\(zef\.Talk((?: +"(?:[^"\\]|\\.)*")*)\)',
        "talk_split": lambda call: ["ZEF"] + shlex.split(call),
        "comment": r"^#.*$",
        "blocks": r"\n\s*\n",
        "defines": lambda text: [name.strip() for names in re.findall(r"^([\w.@?]+(?:\s*,\s*[\w.@?]+)*)\s*:", text,
                                                                        re.MULTILINE) for name in names.split(",")],
        "guard": r"\$\{zef\.Start\}",
        "talk_definition": r"^function zef\.Talk \$\(echo \$\{zef\.Start\}; xargs @arg\[1\.\.-1\] callsaori zef ZEF\);$",
        # Kawari's documented SHIORI/3.0 handler sends IDs without "On" to resource.,
        # other handlers send every ID to event.
        "menu_event": {"event.settingZEF", "resource.settingZEF"},
    },
}


def requests_in(engine, text):
    """The requests written in TEXT, in their order: zef calls and talk calls alike."""
    found = []
    for match in re.finditer(f"(?:{engine['call']})|(?:{engine['talk']})", text):
        call = re.fullmatch(engine["call"], match.group(0))
        found.append(engine["split"](call.group(1)) if call else
                     engine["talk_split"](re.fullmatch(engine["talk"], match.group(0)).group(1)))
    return found


def calls_in(name, text):
    """The requests that a sample sends, each a list of arguments with the command word first:
    those of its code in file order, then the examples in its comments."""
    engine = ENGINES[name]
    text = text.replace("\r\n", "\n")
    code = re.sub(engine["comment"], "", text, flags=re.MULTILINE)
    comments = "\n".join(re.findall(engine["comment"], text, re.MULTILINE))
    return requests_in(engine, code) + requests_in(engine, comments)


def unguarded_definitions(name, text):
    """The definitions of the sample's code that send ZEF or settingZEF without the guard."""
    engine = ENGINES[name]
    code = re.sub(engine["comment"], "", text, flags=re.MULTILINE)
    found = []
    for block in re.split(engine["blocks"], code):
        sends = [arguments[0] for arguments in requests_in(engine, block) if arguments[0] in ("ZEF", "settingZEF")]
        talks = re.search(engine["talk"], block)
        if sends and not talks and not re.search(engine["guard"], block):
            found.append(block.strip().splitlines()[0])
    return found


def named_characters(arguments):
    """The characters that a layout start names, or -1 when it names none."""
    return int(arguments[2]) if len(arguments) > 2 and arguments[2].isdigit() else -1


def argument_count_problem(arguments, characters):
    """What is wrong with the count of ARGUMENTS for a ghost of CHARACTERS characters."""
    word, count = arguments[0], len(arguments) - 1
    if word in ("firstZEF", "startZEF"):
        named = named_characters(arguments)
        return None if named >= 1 and count == 9 + named else f"{count} arguments, 9 + n expected"
    if word == "restoreZEF":
        return None if characters >= 1 and count == 1 + characters else f"{count} arguments, 1 + n expected"
    expected = {"settingZEF": count == 0, "ZEF": count >= 1, "changeZEF": count == 2}
    return None if expected.get(word, True) else f"{count} arguments"


def problems(name, text, words):
    """What is wrong with the sample NAME (text TEXT, LF or the archives' CR LF) for a module that has
    the command words WORDS."""
    text = text.replace("\r\n", "\n")
    found = []
    calls = calls_in(name, text)
    if not calls:
        found.append(f"sample/{name} calls zef nowhere")
    starts = [named_characters(arguments) for arguments in calls if arguments[0] in ("firstZEF", "startZEF")]
    for arguments in calls:
        if arguments[0] not in words:
            found.append(f"sample/{name} calls {arguments[0]!r}, which zef does not have")
            continue
        problem = argument_count_problem(arguments, starts[0] if starts else -1)
        if problem:
            found.append(f"sample/{name}: {' '.join(arguments)!r}: {problem}")
    for definition in unguarded_definitions(name, text):
        found.append(f"sample/{name}: {definition!r} calls zef without starting the layout first")
    if not re.search(ENGINES[name]["talk_definition"], text, re.MULTILINE):
        found.append(f"sample/{name} does not define its talk call, or not as the check knows it")
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
    words = {"firstZEF", "startZEF", "ZEF", "settingZEF", "changeZEF", "restoreZEF"}
    failures = []
    for name in ENGINES:
        text = (sample_dir / name).read_text(encoding="utf-8")
        failures += problems(name, text, words)
        print(f"sample/{name}: {len(calls_in(name, text))} calls, defines {sorted(set(ENGINES[name]['defines'](text)))}")
    print("\n".join(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
