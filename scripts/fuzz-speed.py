#!/usr/bin/env python3
"""Replay speed of the fuzz targets, by hand: each target runs every input of
its committed seed corpus a few times (no mutation, no coverage bookkeeping
beyond what the instrumentation does), and the inputs are divided by the CPU
time of the process. With two fuzz build folders the two are run in turn,
round after round, so that both see the same machine; compare them only
within one run.

  scripts/fuzz-speed.py [--rounds N] [--repeat K] FUZZ_DIR [OTHER_FUZZ_DIR]

FUZZ_DIR is a folder holding fuzz_<target> programs, such as
build/linux32-fuzz/fuzz (the linux32-fuzz preset builds it). For an older build,
check the commit out in a worktree and build its linux32-fuzz preset there.
"""
import argparse
import os
import statistics
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def targets(build):
    # The targets the build made, of any age: its fuzz_<name> programs.
    return sorted(p.name[len("fuzz_"):] for p in build.glob("fuzz_*") if p.is_file() and os.access(p, os.X_OK))


def cpu_seconds(program, inputs, repeat):
    before = os.times()
    done = subprocess.run([str(program), f"-runs={repeat}"] + inputs,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    after = os.times()
    if done.returncode != 0:
        sys.exit(f"{program} failed:\n{done.stderr[-2000:]}")
    return (after.children_user - before.children_user) + (after.children_system - before.children_system)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--repeat", type=int, default=4, help="runs of each input per round")
    parser.add_argument("builds", nargs="+", type=Path)
    args = parser.parse_args()
    if len(args.builds) > 2:
        parser.error("one or two build folders")
    for target in targets(args.builds[0]):
        inputs = sorted(str(p) for p in (ROOT / "fuzz" / "corpus" / target).iterdir())
        times = {build: [] for build in args.builds}
        for _ in range(args.rounds):
            for build in args.builds:
                times[build].append(cpu_seconds(build / f"fuzz_{target}", inputs, args.repeat))
        count = len(inputs) * args.repeat
        figures = [f"{build}: median {count / statistics.median(t):,.0f}/s, best {count / min(t):,.0f}/s"
                   for build, t in times.items()]
        print(f"fuzz_{target} ({len(inputs)} inputs x {args.repeat}): " + "; ".join(figures), flush=True)


if __name__ == "__main__":
    main()
