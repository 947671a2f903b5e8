#!/usr/bin/env python3
"""Unpacks the release archives that tools/package.sh made and checks them.

- Each archive holds exactly the files it should, and its comment names the
  version, the commit and the toolchain.
- The zip's zef.dll passes the PE table check (32-bit, exports exactly load,
  request and unload, imports only system DLLs, version resource).
- In the tar.gz, zef.so is an x86-64 shared object and zef.dll a hard link to it.
- readme.txt and the sample dictionaries decode as Shift_JIS (iconv) and have
  CR LF line ends; LICENSE and the picture are the repository's bytes; both
  archives carry the same bytes of each.
- playground.html is the built page, whole: its WebAssembly embedded, no
  address of anything outside it.
- The samples pass check_samples.py (command words that the README documents
  and the module's source handles, with their argument counts; no event that
  ghosts define themselves), and every call, sent as it stands to the
  archive's own module under the name zef.dll (a talk call as the ZEF request
  that it makes), gets a script back (none empty but restoreZEF's, which moves
  nothing back for a ghost that has kept nothing; none the argument error
  notice).

usage: check_archives.py DIST_DIR SOURCE_DIR VERSION SAORI_RUN CMAKE COPYRIGHT
"""
import base64
import gzip
import pathlib
import re
import subprocess
import sys
import tarfile
import tempfile
import zipfile

import check_samples

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def shipped_files(source):
    sample = source / "package" / "sample"
    return {"readme.txt", "LICENSE", "playground.html"} | {f"sample/{p.relative_to(sample)}" for p in sample.rglob("*") if p.is_file()}


def check_page(data):
    page = data.decode("utf-8", errors="replace")
    wasm = re.search(r'const zefWasmBase64 = "([A-Za-z0-9+/=]+)";', page)
    expect(page.startswith("<!DOCTYPE html>") and wasm is not None, "playground.html is not the built page")
    expect(wasm is None or base64.b64decode(wasm.group(1))[:4] == b"\0asm", "playground.html carries no WebAssembly")
    outside = re.findall(r'(?:src|href)=["\']?(?!#)[^"\' >]+|https?://[^\s"\'<>)]+', page)
    expect(not outside, f"playground.html refers to something outside it: {outside[:5]}")


def check_shipped_file(name, data, source):
    if name == "playground.html":
        check_page(data)
        return
    if not name.endswith((".txt", ".dic")):
        origin = source / "package" / name if name != "LICENSE" else source / "LICENSE"
        expect(data == origin.read_bytes(), f"{name} differs from {origin}")
        return
    decoded = subprocess.run(["iconv", "-f", "SHIFT_JIS", "-t", "UTF-8"], input=data, capture_output=True)
    expect(decoded.returncode == 0, f"{name} does not decode as Shift_JIS: {decoded.stderr.decode(errors='replace')}")
    expect(data.endswith(b"\r\n") and data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r"),
           f"{name} does not have CR LF line ends throughout")


def sample_calls(files, words):
    """The requests that the samples send, each a list of Shift_JIS arguments, in file order."""
    requests = []
    for name in check_samples.ENGINES:
        text = files[f"sample/{name}"].decode("shift_jis")
        for problem in check_samples.problems(name, text, words):
            expect(False, problem)
        calls = check_samples.calls_in(name, text)
        requests.append((name, [[argument.encode("shift_jis") for argument in call] for call in calls]))
    return requests


def documented_words(source):
    readme = (source / "README.md").read_text(encoding="utf-8")
    words = set(re.findall(r"^\| `(\w+)` \|", readme, re.MULTILINE))
    code = "".join(p.read_text(encoding="utf-8") for p in (source / "src").rglob("*.cpp"))
    return {word for word in words if f'"{word}"' in code}


def check_samples_run(name, requests, module, saori_run, work):
    session = work / f"{pathlib.Path(name).stem}.session"
    session.write_bytes(b"".join(b"\t".join(arguments) + b"\n" for arguments in requests))
    run = subprocess.run([saori_run, "--raw", "--module", str(module), str(session)], capture_output=True)
    expect(run.returncode == 0, f"saori-run failed on the calls of sample/{name}: {run.stderr.decode(errors='replace')}")
    results = re.findall(rb"^Result: (.*?)\r$", run.stdout, re.MULTILINE)
    expect(len(results) == len(requests), f"sample/{name}: {len(requests)} calls, {len(results)} answers")
    for arguments, result in zip(requests, results):
        call = arguments[0].decode()
        # A ghost that has kept no balloon positions gets nothing moved back.
        answered = result or call == "restoreZEF"
        expect(answered and b"ZEF Argument Error" not in result, f"sample/{name}: {call} gets {result[:80]!r}")


def check_zip(path, source, version, cmake, copyright, work):
    with zipfile.ZipFile(path) as archive:
        expect(archive.testzip() is None, f"{path.name} is damaged")
        names = set(archive.namelist())
        expect(names == shipped_files(source) | {"zef.dll"}, f"{path.name} holds {sorted(names)}")
        # zip writes the comment's line ends as CR LF.
        comment = archive.comment.decode("ascii", errors="replace").replace("\r\n", "\n").strip()
        expect(re.fullmatch(rf"zef {re.escape(version)} for 32-bit Windows\ncommit [0-9a-f]{{12}}(-dirty)?\n"
                            r"built with i686-w64-mingw32-\S+ .*, CMake [0-9.]+", comment),
               f"{path.name}'s comment is {comment!r}")
        files = {name: archive.read(name) for name in names}
    dll = work / "zef.dll"
    dll.write_bytes(files["zef.dll"])
    tables = subprocess.run([cmake, f"-DDLL={dll}", "-DFORMAT=pei-i386", f"-DVERSION={version}",
                             f"-DCOPYRIGHT={copyright}", "-P",
                             str(source / "tests" / "windows" / "check_pe_tables.cmake")], capture_output=True, text=True)
    expect(tables.returncode == 0 and "SKIPPED" not in tables.stdout + tables.stderr,
           f"{path.name}'s zef.dll:\n{tables.stdout}{tables.stderr}")
    print(tables.stdout.strip())
    return files


def check_tar(path, source, version):
    top = f"zef-{version}-linux-x86_64"
    raw = path.read_bytes()
    expect(raw[3] & 0x10, f"{path.name} has no gzip comment")
    comment = raw[10:raw.index(b"\0", 10)].decode("latin-1") if raw[3] & 0x10 else ""
    expect(re.fullmatch(rf"zef {re.escape(version)} for Linux x86-64; commit [0-9a-f]{{12}}(-dirty)?; "
                        r"built with .+, CMake [0-9.]+", comment), f"{path.name}'s comment is {comment!r}")
    with tarfile.open(fileobj=gzip.GzipFile(fileobj=open(path, "rb"))) as archive:
        members = {m.name: m for m in archive.getmembers()}
        files = {name[len(top) + 1:]: archive.extractfile(m).read() for name, m in members.items() if m.isfile()}
        links = {name[len(top) + 1:]: m.linkname[len(top) + 1:] for name, m in members.items() if m.islnk()}
    expect(all(name == top or name.startswith(top + "/") for name in members), f"{path.name} is not all under {top}/")
    expect(set(files) | set(links) == shipped_files(source) | {"zef.so", "zef.dll"}, f"{path.name} holds {sorted(members)}")
    expect(sorted([*links, *links.values()]) == ["zef.dll", "zef.so"], f"{path.name}: zef.dll and zef.so are not one file")
    module = files.get("zef.so") or files.get("zef.dll") or b""
    expect(module[:5] == b"\x7fELF\x02" and module[18:20] == b"\x3e\x00", f"{path.name}: the module is not x86-64 ELF")
    return files, module


def main():
    dist, source, version, saori_run, cmake, copyright = sys.argv[1:7]
    dist, source = pathlib.Path(dist), pathlib.Path(source)
    with tempfile.TemporaryDirectory() as temporary:
        work = pathlib.Path(temporary)
        zip_path, tar_path = dist / f"zef-{version}-win32.zip", dist / f"zef-{version}-linux-x86_64.tar.gz"
        windows = check_zip(zip_path, source, version, cmake, copyright, work)
        linux, module = check_tar(tar_path, source, version)
        for name in sorted(shipped_files(source)):
            check_shipped_file(name, windows.get(name, b""), source)
            expect(linux.get(name) == windows.get(name), f"{name} differs between the two archives")

        words = documented_words(source)
        expect({"firstZEF", "startZEF", "ZEF", "settingZEF", "changeZEF"} <= words, f"documented command words: {words}")
        (work / "zef.dll").write_bytes(module)
        for name, requests in sample_calls(windows, words):
            called = {arguments[0].decode() for arguments in requests}
            check_samples_run(name, requests, work / "zef.dll", saori_run, work)
            print(f"sample/{name}: {len(requests)} calls ({', '.join(sorted(called))}), every one answered")

    for path in (zip_path, tar_path):
        print(f"{path.name}: {path.stat().st_size} bytes")
    if failures:
        print("\n".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
