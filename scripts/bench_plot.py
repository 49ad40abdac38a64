#!/usr/bin/env python3
"""Draws the benchmark figures as SVG and checks them against the goals.

Reads the Google Benchmark JSON files that scripts/bench.sh wrote (one per
benchmark program) and writes into the output folder:
  snapshot.svg  cost per item against panel size: capture, clone, recapture,
                apply beside the memcpy baselines and a clone's former deep copy
  moves.svg     cost per move against the number of views: move and edit
                beside the snprintf baseline
  goals.md      the ratios against the goals, one line each, met or not (the
                host's folder read and a list move over 100,000 files
                against a getdents and fstatat loop among them)
Standard library only. Usage: bench_plot.py OUT_DIR FILE.json...
"""
import json
import math
import sys
from pathlib import Path

COLOURS = ["#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b", "#17becf"]


def load(files):
    """{(benchmark, argument): {"ns": cpu time in ns, counters...}} from the medians
    (or the plain runs when there are no aggregates)."""
    runs = {}
    for name in files:
        data = json.loads(Path(name).read_text())
        for b in data.get("benchmarks", []):
            aggregate = b.get("aggregate_name")
            if aggregate not in (None, "median"):
                continue
            base = b.get("run_name", b["name"])
            if "/" not in base:
                continue
            family, arg = base.split("/", 1)
            try:
                arg = int(arg.split("/")[0])
            except ValueError:
                continue
            scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
            entry = {"ns": b["cpu_time"] * scale}
            for key in ("heap_per_item", "copied_per_item", "heap_over_copied", "ten_duplicates_over_one"):
                if key in b:
                    entry[key] = b[key]
            if aggregate == "median" or (family, arg) not in runs:
                runs[(family, arg)] = entry
    return runs


def series(runs, family, per_item):
    points = sorted((arg, v["ns"] / (arg if per_item else 1)) for (f, arg), v in runs.items() if f == family)
    return points


def svg_plot(path, title, xlabel, ylabel, lines):
    """A log-log line chart; lines: [(label, [(x, y)], dashed)]."""
    lines = [l for l in lines if l[1]]
    width, height, left, right, top, bottom = 720, 420, 80, 190, 40, 60
    xs = [x for _, pts, _ in lines for x, _ in pts]
    ys = [y for _, pts, _ in lines for _, y in pts if y > 0]
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           f'font-family="sans-serif" font-size="12">',
           f'<rect width="{width}" height="{height}" fill="white"/>',
           f'<text x="{width / 2}" y="22" text-anchor="middle" font-size="15">{title}</text>']
    if not xs or not ys:
        out.append(f'<text x="{width / 2}" y="{height / 2}" text-anchor="middle">no data</text></svg>')
        Path(path).write_text("\n".join(out))
        return
    x0, x1 = math.floor(math.log10(min(xs))), math.ceil(math.log10(max(xs)))
    y0, y1 = math.floor(math.log10(min(ys))), math.ceil(math.log10(max(ys)))
    x1, y1 = max(x1, x0 + 1), max(y1, y0 + 1)
    pw, ph = width - left - right, height - top - bottom

    def px(x):
        return left + (math.log10(x) - x0) / (x1 - x0) * pw

    def py(y):
        return top + ph - (math.log10(y) - y0) / (y1 - y0) * ph

    for e in range(x0, x1 + 1):
        out.append(f'<line x1="{px(10 ** e):.1f}" y1="{top}" x2="{px(10 ** e):.1f}" y2="{top + ph}" stroke="#ddd"/>')
        out.append(f'<text x="{px(10 ** e):.1f}" y="{top + ph + 18}" text-anchor="middle">{10 ** e:,}</text>')
    for e in range(y0, y1 + 1):
        label = f"{10.0 ** e:g}"
        out.append(f'<line x1="{left}" y1="{py(10 ** e):.1f}" x2="{left + pw}" y2="{py(10 ** e):.1f}" stroke="#ddd"/>')
        out.append(f'<text x="{left - 6}" y="{py(10 ** e) + 4:.1f}" text-anchor="end">{label}</text>')
    out.append(f'<rect x="{left}" y="{top}" width="{pw}" height="{ph}" fill="none" stroke="#333"/>')
    out.append(f'<text x="{left + pw / 2}" y="{height - 15}" text-anchor="middle">{xlabel}</text>')
    out.append(f'<text x="18" y="{top + ph / 2}" text-anchor="middle" '
               f'transform="rotate(-90 18 {top + ph / 2})">{ylabel}</text>')
    for i, (label, pts, dashed) in enumerate(lines):
        colour = COLOURS[i % len(COLOURS)]
        dash = ' stroke-dasharray="6 4"' if dashed else ""
        coords = " ".join(f"{px(x):.1f},{py(y):.1f}" for x, y in pts if y > 0)
        out.append(f'<polyline points="{coords}" fill="none" stroke="{colour}" stroke-width="2"{dash}/>')
        for x, y in pts:
            if y > 0:
                out.append(f'<circle cx="{px(x):.1f}" cy="{py(y):.1f}" r="3" fill="{colour}"/>')
        ly = top + 10 + i * 20
        out.append(f'<line x1="{left + pw + 15}" y1="{ly}" x2="{left + pw + 45}" y2="{ly}" stroke="{colour}" '
                   f'stroke-width="2"{dash}/>')
        out.append(f'<text x="{left + pw + 52}" y="{ly + 4}">{label}</text>')
    out.append("</svg>")
    Path(path).write_text("\n".join(out) + "\n")


def ratio(runs, a, b, arg):
    if (a, arg) in runs and (b, arg) in runs and runs[(b, arg)]["ns"] > 0:
        return runs[(a, arg)]["ns"] / runs[(b, arg)]["ns"]
    return None


def goals(runs):
    rows = []

    def add(text, value, limit, unit="x"):
        if value is None:
            rows.append(f"| {text} | no data | {limit}{unit} | - |")
        else:
            shown = f"{value:.2f}" if value >= 0.01 else f"{value:.1e}"
            rows.append(f"| {text} | {shown}{unit} | {limit}{unit} | {'met' if value <= limit else 'NOT met'} |")

    add("capture / baseline_copy at 100,000 items", ratio(runs, "capture", "baseline_copy", 100000), 2)
    add("clone / baseline_copy at 100,000 items", ratio(runs, "clone", "baseline_copy", 100000), 2)
    add("capture / baseline_fresh at 100,000 items", ratio(runs, "capture", "baseline_fresh", 100000), 2)
    add("clone / baseline_fresh at 100,000 items", ratio(runs, "clone", "baseline_fresh", 100000), 2)
    add("clone / deep_copy at 100,000 items", ratio(runs, "clone", "deep_copy", 100000), 0.01)
    add("apply / capture at 100,000 items", ratio(runs, "apply", "capture", 100000), 3)
    heap = runs.get(("capture", 100000), {}).get("heap_over_copied")
    add("heap per item / bytes copied per item", heap, 1.10)
    ten = runs.get(("duplicates", 100000), {}).get("ten_duplicates_over_one")
    add("heap of a view and ten duplicates / one view at 100,000 items", ten, 1.01)
    add("move / baseline_format at 10,000 views", ratio(runs, "move", "baseline_format", 10000), 2)
    add("folder_read / folder_baseline at 100,000 files", ratio(runs, "folder_read", "folder_baseline", 100000), 1.3)
    add("folder_move / folder_baseline at 100,000 files", ratio(runs, "folder_move", "folder_baseline", 100000), 1.5)
    return ["| Goal | Measured | Limit | |", "|---|---|---|---|"] + rows


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    runs = load(sys.argv[2:])
    svg_plot(out / "snapshot.svg", "Snapshot cost per item", "items in the panel", "ns per item (CPU)",
             [("baseline_copy", series(runs, "baseline_copy", True), True),
              ("baseline_fresh", series(runs, "baseline_fresh", True), True),
              ("capture", series(runs, "capture", True), False),
              ("deep_copy", series(runs, "deep_copy", True), True),
              ("clone", series(runs, "clone", True), False),
              ("recapture", series(runs, "recapture", True), False),
              ("apply", series(runs, "apply", True), False)])
    svg_plot(out / "moves.svg", "Dialog cost per key", "views in the list", "µs per key (CPU)",
             [("baseline_format", [(x, y / 1e3) for x, y in series(runs, "baseline_format", False)], True),
              ("move (Down)", [(x, y / 1e3) for x, y in series(runs, "move", False)], False),
              ("edit (Ctrl+R)", [(x, y / 1e3) for x, y in series(runs, "edit", False)], False)])
    table = goals(runs)
    (out / "goals.md").write_text("\n".join(table) + "\n")
    print("\n".join(table))
    return 0


if __name__ == "__main__":
    sys.exit(main())
