#!/usr/bin/env python3
"""Mutation testing of src/ against the linux32 and asan suites. Run by hand, not by CI.

Samples one-line mutants of src/ with a seed (relational and logical
operators swapped, integer constants +1, -1 or 0, conditions negated, calls
deleted, boolean results flipped), builds each in its own build folder and
runs every test program of the linux32 suite against it, fastest first, until
one fails (the mutant is killed) or all pass. A mutant the linux32 suite
leaves alive is built again with the linux32-asan preset (AddressSanitizer
and UBSan, build/mutate-asan) and that suite runs the same way: a fault only
a sanitizer sees kills it there. A mutant both leave alive is built as the
product (the win32 preset, build/mutate-win32) and its suite runs under wine
through CTest: code only Windows builds (the DLL's entry point) is tested
there. It survives when every suite passes (--no-asan, --no-win32: leave
that suite out). Mutants that do not compile are skipped and do not count.
Prints the score per folder, what each suite killed and the survivors.

The source is restored after each mutant, also on Ctrl+C or SIGTERM; a run
killed harder leaves build/mutate/pending.json, from which the next run
restores the file before it starts (a run started while another still has
its mutant in place stops instead, --list too).

    nice -n 10 scripts/mutate.py --seed 1 --count 150
    scripts/mutate.py --seed 1 --list            # the sample, without running
    scripts/mutate.py --only src/views/view.cpp:12:rel:0   # one mutant by id
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Lines that are not code, or whose mutants say nothing about the tests.
SKIP_LINE = re.compile(r"^\s*(//|#|\*|/\*|static_assert|namespace\b|using\b|template\b|$)")
# Sizes of a host record's arrays: fixed by the record's layout and its
# static_asserts, so their mutants never compile.
RECORD_ARRAY = re.compile(r"\[\s*\w+\s*\];\s*(//.*)?$")

RELATIONAL = {"==": ["!="], "!=": ["=="], "<=": ["<", ">"], ">=": [">", "<"], "<": ["<=", ">="], ">": [">=", "<="]}
# Operator tokens, longest first; `<`/`>` only with spaces around them, so
# that templates, `->`, `<<`, `>>` and includes are left alone.
OPERATOR = re.compile(r"==|!=|<=|>=|&&|\|\||(?<= )<(?= )|(?<= )>(?= )")
INTEGER = re.compile(r"(?<![\w.])(0x[0-9a-fA-F]+|\d+)(u|U|ul|UL|ull|ULL|l|L)?(?![\w.])")
CONDITION = re.compile(r"\b(if|while) \((.*)\)(\s*(\{|return\b|[a-z_].*;|continue;|break;)?.*)$")
CALL_STATEMENT = re.compile(r"^(\s*)((?:[\w:]+(?:\.|->))*[\w:]+)\((.*)\);\s*(//.*)?$")
BOOLEAN = re.compile(r"\b(true|false)\b")


class mutant:
    def __init__(self, path, line, op, index, before, after):
        self.path, self.line, self.op, self.index = path, line, op, index
        self.before, self.after = before, after

    @property
    def id(self):
        return f"{self.path}:{self.line}:{self.op}:{self.index}"

    @property
    def folder(self):
        return str(Path(self.path).parent)


def strip_comment(text):
    at = text.find("//")
    return text if at < 0 else text[:at]


def line_mutants(path, number, text):
    if SKIP_LINE.match(text) or RECORD_ARRAY.search(text) or '"' in text:
        return []
    code = strip_comment(text)
    found = []

    def add(op, new_code):
        if new_code != code:
            found.append(mutant(path, number, op, sum(m.op == op for m in found), text, new_code + text[len(code):]))

    for m in OPERATOR.finditer(code):
        token = m.group(0)
        for other in RELATIONAL.get(token, ["||"] if token == "&&" else ["&&"]):
            add("rel" if token in RELATIONAL else "logic", code[: m.start()] + other + code[m.end():])
    for m in INTEGER.finditer(code):
        value, suffix = int(m.group(1), 0), m.group(2) or ""
        spell = hex if m.group(1).startswith("0x") else str
        for new in sorted({value + 1, value - 1, 0} - {value}):
            if new < 0:
                continue
            add("const", code[: m.start()] + spell(new) + suffix + code[m.end():])
    m = CONDITION.search(code)
    if m and m.group(2).count("(") == m.group(2).count(")"):
        add("negate", code[: m.start()] + f"{m.group(1)} (!({m.group(2)})){m.group(3)}")
    m = CALL_STATEMENT.match(code)
    if m and m.group(2) not in ("return", "sizeof", "static_assert", "delete") and "=" not in m.group(3).split("(")[0]:
        add("call", m.group(1) + ";")
    for m in BOOLEAN.finditer(code):
        add("bool", code[: m.start()] + ("false" if m.group(1) == "true" else "true") + code[m.end():])
    return found


def all_mutants():
    found = []
    for source in sorted((ROOT / "src").rglob("*")):
        if source.suffix not in (".cpp", ".h"):
            continue
        rel = str(source.relative_to(ROOT))
        for number, text in enumerate(source.read_text().splitlines(), 1):
            found += line_mutants(rel, number, text)
    return found


def process_alive(pid):
    if not pid:
        return False
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


class source_guard:
    """Puts a mutant in place and restores the file, whatever happens."""

    def __init__(self, build):
        self.pending = build / "pending.json"

    def restore_leftover(self):
        if self.pending.exists():
            saved = json.loads(self.pending.read_text())
            if process_alive(saved.get("pid")):
                sys.exit(f"another run (process {saved['pid']}) has a mutant in {saved['path']}; "
                         "its source is restored when it ends")
            (ROOT / saved["path"]).write_text(saved["text"])
            self.pending.unlink()
            print(f"restored {saved['path']} from an interrupted run")

    def apply(self, m):
        path = ROOT / m.path
        original = path.read_text()
        self.pending.write_text(json.dumps({"path": m.path, "text": original, "pid": os.getpid()}))
        lines = original.split("\n")
        assert lines[m.line - 1] == m.before, f"{m.id}: the source changed"
        lines[m.line - 1] = m.after
        path.write_text("\n".join(lines))
        return original

    def restore(self, m, original):
        (ROOT / m.path).write_text(original)
        self.pending.unlink(missing_ok=True)


def run(command, timeout=None, **kwargs):
    try:
        # A mutant may make a program print any bytes.
        return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                              errors="replace", timeout=timeout, start_new_session=True, **kwargs)
    except subprocess.TimeoutExpired:
        return None


def build_env():
    env = dict(os.environ)
    if shutil.which("ccache"):  # optional: setup.sh does not install it
        env.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    env.setdefault("CCACHE_BASEDIR", str(ROOT.parent))
    # The test programs share a precompiled header, which ccache caches
    # only with these.
    env.setdefault("CCACHE_SLOPPINESS", "pch_defines,time_macros")
    return env


def configure(build, preset):
    if not (build / "build.ninja").exists():
        # linux32: optimised but without debug information, quick to rebuild;
        # the others: the preset as the suite runs it. ccache reuses what
        # earlier runs compiled.
        if preset != "linux32":
            command = ["cmake", "--preset", preset, "-B", str(build)]
        else:
            command = ["cmake", "--preset", "linux32", "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                       "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG"]
        result = run(command, cwd=ROOT, env=build_env())
        if result.returncode != 0:
            sys.exit("configure failed:\n" + result.stdout[-3000:])


def build_targets(build, jobs):
    result = run(["cmake", "--build", str(build), "-j", str(jobs), "--target", "tolvik"] + test_targets(build),
                 cwd=ROOT, env=build_env())
    return result.returncode == 0, result.stdout


def test_targets(build):
    """The suite's programs, as the build defines them (test_<folder>)."""
    listed = run(["cmake", "--build", str(build), "--target", "help"], cwd=ROOT).stdout
    return sorted(re.findall(r"^(test_\w+): phony", listed, re.MULTILINE))


def test_programs(build):
    found = []
    for name in test_targets(build):
        for where in (build / "tests" / name, build / "tools" / name):
            if where.is_file():
                found.append(where)
    return found


class suite:
    """One build folder's test programs, fastest first, with their time-outs."""

    def __init__(self, name, build, jobs, preset="linux32"):
        self.name, self.build, self.jobs = name, build, jobs
        configure(build, preset)
        ok, output = build_targets(build, jobs)
        if not ok:
            sys.exit(f"the unmutated {name} build fails:\n" + output[-3000:])
        self.programs = test_programs(build)
        durations = {}
        for program in self.programs:
            started = time.monotonic()
            result = run([str(program), "--gtest_brief=1"], cwd=ROOT)
            durations[program] = time.monotonic() - started
            if result.returncode != 0:
                sys.exit(f"the unmutated {name} suite fails in {program.name}:\n" + result.stdout[-3000:])
        self.programs.sort(key=lambda p: durations[p])
        self.timeouts = {p: max(60.0, 10 * durations[p]) for p in self.programs}
        self.seconds = sum(durations.values())

    def kills(self):
        """None when the mutant does not compile, else (killed, by which program)."""
        ok, _ = build_targets(self.build, self.jobs)
        if not ok:
            return None
        return self.run_tests()

    def run_tests(self):
        return run_suite(self.programs, self.timeouts)


class wine_suite(suite):
    """The product's build and its CTest suite under wine, in a prefix of the build."""

    def __init__(self, build, jobs):
        self.name, self.build, self.jobs = "win32", build, jobs
        configure(build, "win32")
        ok, output = build_targets(build, jobs)
        if not ok:
            sys.exit("the unmutated win32 build fails:\n" + output[-3000:])
        started = time.monotonic()
        killed, by = self.run_tests()
        if killed:
            sys.exit(f"the unmutated win32 suite fails in {by}")
        self.programs = test_targets(build)
        self.seconds = time.monotonic() - started

    def run_tests(self):
        env = dict(os.environ, WINEPREFIX=str(self.build / "wineprefix"), WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=")
        result = run(["ctest", "--test-dir", str(self.build), "--stop-on-failure", "--timeout", "600"],
                     timeout=1800, cwd=ROOT, env=env)
        if result is None:
            return True, "ctest (timeout)"
        if result.returncode == 0:
            return False, None
        failed = re.findall(r"\d+ - (\S+) \(", result.stdout)
        return True, ", ".join(failed) or "ctest"


def run_suite(programs, timeouts):
    """Returns (killed, by which program)."""
    for program in programs:
        result = run([str(program), "--gtest_brief=1"], timeout=timeouts[program], cwd=ROOT)
        if result is None:
            return True, f"{program.name} (timeout)"
        if result.returncode != 0:
            return True, program.name
    return False, None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=150, help="compiled mutants to run")
    parser.add_argument("--build", default="build/mutate")
    parser.add_argument("--asan-build", default="build/mutate-asan")
    parser.add_argument("--win32-build", default="build/mutate-win32")
    parser.add_argument("--no-asan", action="store_true", help="leave out the asan suite")
    parser.add_argument("--no-win32", action="store_true", help="leave out the win32 suite under wine")
    parser.add_argument("--jobs", type=int, default=1)
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--only", action="append", default=[], help="run these mutant ids only")
    parser.add_argument("--log", help="append one JSON line per mutant to this file")
    args = parser.parse_args()

    build = (ROOT / args.build).resolve()
    build.mkdir(parents=True, exist_ok=True)
    guard = source_guard(build)
    guard.restore_leftover()

    candidates = all_mutants()
    if args.only:
        by_id = {m.id: m for m in candidates}
        missing = [i for i in args.only if i not in by_id]
        if missing:
            sys.exit("no such mutant: " + ", ".join(missing))
        sample = [by_id[i] for i in args.only]
        args.count = min(args.count, len(sample))
    else:
        sample = list(candidates)
        random.Random(args.seed).shuffle(sample)
    if args.list:
        for m in sample[: args.count]:
            print(f"{m.id}\n  - {m.before.strip()}\n  + {m.after.strip()}")
        print(f"{len(candidates)} candidate mutants")
        return 0

    def interrupted(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, interrupted)

    main_suite = suite("linux32", build, args.jobs)
    asan_suite = None if args.no_asan else suite("asan", (ROOT / args.asan_build).resolve(), args.jobs,
                                                 preset="linux32-asan")
    win32_suite = None if args.no_win32 else wine_suite((ROOT / args.win32_build).resolve(), args.jobs)
    later_suites = [s for s in (asan_suite, win32_suite) if s]
    sample_name = "the mutants named" if args.only else f"seed {args.seed}"
    print(f"{sample_name}: {len(candidates)} candidates; linux32 suite of {len(main_suite.programs)} programs, "
          f"{main_suite.seconds:.0f} s unmutated"
          + "".join(f"; {s.name} suite of {len(s.programs)}, {s.seconds:.0f} s" for s in later_suites),
          flush=True)

    tally = defaultdict(lambda: [0, 0])  # folder -> [killed, run]
    by_suite = defaultdict(int)  # suite -> mutants it killed (asan: of those linux32 left alive)
    survivors, skipped = [], 0
    log = open(args.log, "a") if args.log else None
    try:
        for m in sample:
            if sum(t[1] for t in tally.values()) >= args.count:
                break
            original = guard.apply(m)
            try:
                started = time.monotonic()
                outcome = main_suite.kills()
                if outcome is None:
                    skipped += 1
                    continue
                killed, by = outcome
                killer = main_suite.name if killed else None
                for later in later_suites:
                    if killed:
                        break
                    outcome = later.kills()
                    if outcome is not None and outcome[0]:
                        killed, by, killer = True, later.name + " " + outcome[1], later.name
            finally:
                guard.restore(m, original)
            tally[m.folder][1] += 1
            tally[m.folder][0] += killed
            if killed:
                by_suite[killer] += 1
            else:
                survivors.append(m)
            n = sum(t[1] for t in tally.values())
            print(f"[{n}/{args.count}] {'killed by ' + by if killed else 'SURVIVED'}: {m.id} "
                  f"({time.monotonic() - started:.0f} s)", flush=True)
            if log:
                log.write(json.dumps({"id": m.id, "killed": killed, "by": by, "suite": killer,
                                      "after": m.after.strip()}) + "\n")
                log.flush()
    except KeyboardInterrupt:
        print("interrupted; the source is restored")
    finally:
        if log:
            log.close()
        # leave the builds matching the source
        build_targets(build, args.jobs)
        for later in later_suites:
            build_targets(later.build, args.jobs)

    total_killed = sum(t[0] for t in tally.values())
    total_run = sum(t[1] for t in tally.values())
    print(f"\n{sample_name}: {total_run} mutants run, {skipped} did not compile")
    for folder in sorted(tally):
        k, r = tally[folder]
        print(f"  {folder:<16} {k:>4}/{r:<4} {100.0 * k / r:5.1f}%")
    if total_run:
        print(f"  {'total':<16} {total_killed:>4}/{total_run:<4} {100.0 * total_killed / total_run:5.1f}%")
        print(f"killed by the linux32 suite: {by_suite['linux32']}")
        if asan_suite:
            print(f"killed by the asan suite of those the linux32 suite left alive: {by_suite['asan']}")
        if win32_suite:
            print(f"killed by the win32 suite of those the linux32 and asan suites left alive: {by_suite['win32']}")
    if survivors:
        print("survivors:")
        for m in survivors:
            print(f"  {m.id}\n    - {m.before.strip()}\n    + {m.after.strip()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
