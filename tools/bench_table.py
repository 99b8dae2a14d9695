#!/usr/bin/env python3
"""Turns the raw ./bench measurements into one table on stdout and a CSV file.

bench_table.py RAW_DIR EXE CSV_OUT
RAW_DIR holds startup.txt ("0 MS" lines for pelgra.exe, "1 MS" for the baseline,
"2 MS" for the baseline that loads the program's system DLLs, "3 MS" for the floor:
the default bar's window tree built with nothing of the program), startup_144.txt (pelgra.exe
on a display at 144 DPI),
idle.txt (key=value lines: CPU seconds of pelgra.exe, the baseline, Conky and
the Wine servers of pelgra.exe and of the baseline, resident memory) and music_idle.txt, paint.csv and slide.csv (name,unit,min,median,max,note) and
layout.csv (Google Benchmark CSV).
"""
import csv
import os
import statistics
import sys


def spread(values):
    return min(values), statistics.median(values), max(values)


def fmt(value, digits=2):
    if value is None:
        return "-"
    if isinstance(value, str):
        return value
    if value != 0 and abs(value) < 0.01:
        return f"{value:.4f}"
    return f"{value:.{digits}f}"


class Table:
    def __init__(self):
        self.rows = []

    def add(self, name, unit, pelgra, baseline=None, goal="", verdict=""):
        self.rows.append((name, unit, pelgra, baseline, goal, verdict))

    def print(self):
        header = ("measure", "unit", "pelgra min/median/max", "baseline min/median/max", "goal", "")
        lines = [header]
        for name, unit, pelgra, baseline, goal, verdict in self.rows:
            lines.append((name, unit, triple(pelgra), triple(baseline), goal, verdict))
        widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
        for i, line in enumerate(lines):
            print("  ".join(cell.ljust(widths[j]) for j, cell in enumerate(line)).rstrip())
            if i == 0:
                print("  ".join("-" * w for w in widths))

    def write_csv(self, path):
        with open(path, "w", newline="") as f:
            out = csv.writer(f)
            out.writerow(["measure", "unit", "pelgra_min", "pelgra_median", "pelgra_max",
                          "baseline_min", "baseline_median", "baseline_max", "goal", "verdict"])
            for name, unit, pelgra, baseline, goal, verdict in self.rows:
                out.writerow([name, unit, *as3(pelgra), *as3(baseline), goal, verdict])


def as3(value):
    if value is None:
        return ["", "", ""]
    if isinstance(value, tuple):
        return [fmt(v, 3) for v in value]
    return ["", fmt(value, 3), ""]


def triple(value):
    if value is None:
        return "-"
    if isinstance(value, tuple):
        return "/".join(fmt(v) for v in value)
    return fmt(value)


def ok(condition):
    return "ok" if condition else "OVER"


def read_idle(path):
    values = {}
    with open(path) as f:
        for line in f:
            key, _, value = line.strip().partition("=")
            if key:
                values[key] = float(value)
    return values


FLOOR_REPAINT = "floor: full repaint of the same window tree"


def read_rows(path):
    """The rows name,unit,min,median,max,note of an in-process benchmark, in order."""
    values, units, notes = {}, {}, {}
    if os.path.exists(path):
        with open(path) as f:
            for row in csv.reader(f):
                if len(row) < 5:
                    continue
                values[row[0]] = tuple(float(v) for v in row[2:5])
                units[row[0]] = row[1]
                notes[row[0]] = row[5] if len(row) > 5 else ""
    return values, units, notes


def paired_ratio(values, beside):
    """The median over the rounds of one program's start over the other's in the same round.

    The runs alternate between the programs, and the machine's speed drifts from round
    to round: a ratio of each program's own median mixes in which rounds happened to be
    slow for which program, a ratio within each round does not."""
    return statistics.median(a / b for a, b in zip(values, beside))


def read_starts(path):
    starts = {}
    if os.path.exists(path):
        with open(path) as f:
            for line in f:
                index, _, ms = line.partition(" ")
                starts.setdefault(int(index), []).append(float(ms))
    return starts


def main():
    raw, exe, csv_out = sys.argv[1:4]
    table = Table()

    starts = read_starts(os.path.join(raw, "startup.txt"))
    start_p, start_b = spread(starts[0]), spread(starts[1])
    idle = read_idle(os.path.join(raw, "idle.txt"))
    paint, unit_of, paint_notes = read_rows(os.path.join(raw, "paint.csv"))

    # The floor: what Wine charges for the windows the default bar must have.
    if 3 in starts:
        start_f = spread(starts[3])
        ratio = paired_ratio(starts[0], starts[3])
        table.add("start-up to first full paint (beside it: the floor)", "ms", start_p, start_f,
                  "<= 1.10 x floor", f"{ratio:.2f} x {ok(ratio <= 1.10)} (medians {start_p[1] / start_f[1]:.2f})")
    repaint_p, repaint_f = paint.get("full bar repaint"), paint.get(FLOOR_REPAINT)
    if repaint_p and repaint_f:
        ratio = repaint_p[1] / repaint_f[1]
        table.add("full bar repaint (beside it: the floor's)", "ms", repaint_p, repaint_f,
                  "<= 1.2 x floor, <= 2 ms", f"{ratio:.2f} x {ok(ratio <= 1.2 and repaint_p[1] <= 2)}")
    if "floor_rss_start" in idle:
        rss_p, rss_f = idle["pelgra_rss_start"] / 1024, idle["floor_rss_start"] / 1024
        table.add("resident memory after start-up (beside it: the floor)", "MB", rss_p, rss_f,
                  "<= floor + 4 MB", f"+{rss_p - rss_f:.1f} MB {ok(rss_p - rss_f <= 4)}")

    ratio = paired_ratio(starts[0], starts[1])
    table.add("  start-up beside the minimal one-window baseline", "ms", start_p, start_b, "",
              f"{ratio:.2f} x baseline")
    scaled_path = os.path.join(raw, "startup_144.txt")
    if os.path.exists(scaled_path):
        scaled = spread(read_starts(scaled_path)[0])
        table.add("  pelgra.exe at 144 DPI, 150 % (beside it: at 96 DPI)", "ms", scaled, start_p, "",
                  f"{scaled[1] / start_p[1]:.2f} x at 96 DPI")
    if 2 in starts:
        start_d = spread(starts[2])
        table.add("  baseline with the program's system DLLs", "ms", start_d, start_b, "",
                  f"{paired_ratio(starts[2], starts[1]):.2f} x baseline")

    seconds = idle["seconds"]
    cpu_p = 100.0 * idle["pelgra_cpu"] / seconds
    cpu_b = 100.0 * idle["baseline_cpu"] / seconds
    table.add(f"idle CPU over {seconds:.0f} s", "% of a core", cpu_p, cpu_b, "<= 0.3 %",
              ok(cpu_p <= 0.3))
    if "conky_cpu" in idle:
        cpu_c = 100.0 * idle["conky_cpu"] / seconds
        table.add(f"idle CPU beside Conky, same run (beside it: Conky's panel)", "% of a core", cpu_p, cpu_c,
                  "<= Conky", f"{cpu_p / cpu_c:.2f} x {ok(cpu_p <= cpu_c)}" if cpu_c > 0 else ok(cpu_p <= cpu_c))
    server_p = 100.0 * idle["wineserver_cpu"] / seconds
    if "baseline_wineserver_cpu" in idle:
        server_b = 100.0 * idle["baseline_wineserver_cpu"] / seconds
        ratio = server_p / server_b if server_b > 0 else float("inf")
        table.add(f"Wine server CPU, each program's own (beside it: the baseline's)", "% of a core", server_p,
                  server_b, "<= 1.15 x baseline's", f"{ratio:.2f} x {ok(ratio <= 1.15)}")
    else:
        table.add(f"wineserver CPU over {seconds:.0f} s (both)", "% of a core", server_p)
    for moment in ("start", "end"):
        rss_p = idle[f"pelgra_rss_{moment}"] / 1024
        rss_b = idle[f"baseline_rss_{moment}"] / 1024
        label = "after start-up" if moment == "start" else f"after {seconds:.0f} s"
        table.add(f"resident memory {label}", "MB", rss_p, rss_b, "<= baseline + 8 MB",
                  f"+{rss_p - rss_b:.1f} MB {ok(rss_p - rss_b <= 8)}")

    music_path = os.path.join(raw, "music_idle.txt")
    if os.path.exists(music_path):
        music = read_idle(music_path)
        with_player = 100.0 * music["with_cpu"] / music["seconds"]
        without = 100.0 * music["without_cpu"] / music["seconds"]
        table.add("  idle CPU, bar with the stopped music player (baseline: without it)", "% of a core",
                  with_player, without, "<= +0.05 %", f"{with_player - without:+.3f} % {ok(with_player - without <= 0.05)}")

    for name, values in paint.items():
        goal, verdict = "", paint_notes.get(name, "")
        if name in ("full bar repaint", FLOOR_REPAINT):
            continue
        if name.startswith("Tetris") and "full repaint" in name:
            goal, verdict = "< 16 ms", ok(values[1] < 16)
        elif name.startswith("GDI objects"):
            goal = "difference 0"
        table.add(name, unit_of[name], values, None, goal, verdict)

    memo_path = os.path.join(raw, "memo.csv")
    if os.path.exists(memo_path):
        with open(memo_path) as f:
            for row in csv.reader(f):
                if len(row) < 6:
                    continue
                ratio = float(row[5].split()[0]) if row[5] else None
                goal = "<= 2 x copy" if ratio is not None else ""
                verdict = f"{ratio:.2f} x {ok(ratio <= 2)}" if ratio is not None else ""
                table.add(row[0], row[1], tuple(float(v) for v in row[2:5]), None, goal, verdict)
        memo_starts = read_starts(os.path.join(raw, "startup_memo.txt")).get(0)
        if memo_starts:
            with_memo = spread(memo_starts)
            extra = with_memo[1] - start_p[1]
            table.add("start-up with that memo file (20 MB)", "ms", with_memo, start_p,
                      "<= without + 100 ms", f"+{extra:.0f} ms {ok(extra <= 100)}")
    slide_path = os.path.join(raw, "slide.csv")
    if os.path.exists(slide_path):
        with open(slide_path) as f:
            rows = [row for row in csv.reader(f) if len(row) >= 5]
        medians = {row[0]: float(row[3]) for row in rows}
        clock = next((m for name, m in medians.items() if "clock repaint" in name), None)
        for row in rows:
            name, unit, values = row[0], row[1], tuple(float(v) for v in row[2:5])
            goal, verdict = "", ""
            if name.endswith("repaint showing it") and clock:
                ratio = values[1] / clock
                goal, verdict = "<= 2 x clock repaint", f"{ratio:.2f} x {ok(ratio <= 2)}"
            table.add(name, unit, values, None, goal, verdict)

    layout_path = os.path.join(raw, "layout.csv")
    if os.path.exists(layout_path):
        with open(layout_path) as f:
            lines = [line for line in f if line.startswith("name,") or line.startswith('"')]
        runs = {}
        for row in csv.DictReader(lines):
            name = row["name"].strip('"')
            if name.endswith(("_mean", "_median", "_stddev", "_cv")):
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[row["time_unit"]]
            runs.setdefault(name, []).append(float(row["real_time"]) * scale)
        for name, values in runs.items():
            figures = spread(values)
            limit = 2.0 if "Hundred" in name else 0.2
            table.add(f"layout arithmetic, {name}", "ms", figures, None, f"<= {limit} ms",
                      ok(figures[1] <= limit))

    size_mb = os.path.getsize(exe) / (1024 * 1024)
    table.add("pelgra.exe size (stripped, as shipped)", "MB", size_mb, None, "<= 2 MB", ok(size_mb <= 2))

    table.print()
    table.write_csv(csv_out)


if __name__ == "__main__":
    main()
