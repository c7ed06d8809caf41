#!/usr/bin/env python3
"""Runs the benchmarks and prints their figures against the targets.

Usage: bench/bench.py BUILD_DIR [--runs N] [--only clone,core,window]

bench/run.sh builds what is needed and calls this; see the README. Every
figure is the median of N runs (default 3): the machine is shared, so single
runs are noisy. The spread of the runs is shown beside the median.
"""
import argparse
import json
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path


class Figure:
    """One line of the table: a name, the values of the runs and a target."""

    def __init__(self, name, unit, target, better="lower", fmt="{:.3f}"):
        self.name, self.unit, self.target, self.better, self.fmt = name, unit, target, better, fmt
        self.values = []
        self.cpu_values = []  # processor time of in-process figures, where measured

    def median(self):
        return statistics.median(self.values) if self.values else None

    def met(self):
        m = self.median()
        if m is None:
            return "n/a"
        if self.target is None:
            return "–"
        ok = m <= self.target if self.better == "lower" else m >= self.target
        return "yes" if ok else "NO"

    def row(self):
        m = self.median()
        if m is None:
            return f"| {self.name} | not measured | – | {self.target_text()} | n/a |"
        value = self.fmt.format(m) + (f" {self.unit}" if self.unit else "")
        if len(self.values) > 1:
            spread = f" ({self.fmt.format(min(self.values))}–{self.fmt.format(max(self.values))})"
        else:
            spread = ""
        cpu = (self.fmt.format(statistics.median(self.cpu_values)) + f" {self.unit}"
               if self.cpu_values else "–")
        return f"| {self.name} | {value}{spread} | {cpu} | {self.target_text()} | {self.met()} |"

    def target_text(self):
        if self.target is None:
            return "–"
        sign = "≤" if self.better == "lower" else "≥"
        unit = f" {self.unit}" if self.unit else ""
        return f"{sign} {self.fmt.format(self.target)}{unit}"


def log(text):
    print(text, file=sys.stderr, flush=True)


# --- clone read and write through mtz4ctl against mtz4sim --pace ------------

def run_clone(build, work, sim_args, ctl_args):
    """One clone command against a fresh paced simulator in clone mode.

    Returns the elapsed time, the client's processor time and the
    simulator's line statistics."""
    link = work / "sim"
    stats = work / "stats.json"
    for path in (link, stats):
        if path.exists() or path.is_symlink():
            path.unlink()
    sim = subprocess.Popen(
        [str(build / "tools/sim/mtz4sim"), "--quiet", "--pace", "--clone-mode",
         "--link", str(link), "--stats", str(stats)] + sim_args,
        stdout=subprocess.DEVNULL)
    try:
        for _ in range(200):
            if link.exists():
                break
            time.sleep(0.025)
        start = time.perf_counter()
        ctl = subprocess.Popen(
            [str(build / "src/mtz4ctl")] + ctl_args +
            ["--device", str(link), "--model", "MT-Z4J", "--quiet"],
            stderr=subprocess.PIPE)
        # wait4 gives the client's own processor time, without the simulator's.
        _, status, usage = os.wait4(ctl.pid, 0)
        elapsed = time.perf_counter() - start
        errors = ctl.stderr.read().decode(errors="replace")
        ctl.returncode = os.waitstatus_to_exitcode(status)
        if ctl.returncode != 0:
            raise RuntimeError(f"mtz4ctl {' '.join(ctl_args)} failed: {errors}")
    finally:
        sim.send_signal(signal.SIGINT)
        sim.wait()
    line = json.loads(stats.read_text())
    return elapsed, usage.ru_utime + usage.ru_stime, line


def clone_benchmarks(build, runs, figures):
    work = Path(tempfile.mkdtemp(prefix="mtz4bench."))
    full = work / "full.MZ4"
    sparse = work / "sparse.MZ4"
    subprocess.run([str(build / "bench/make_bench_file"), str(full)], check=True)
    subprocess.run([str(build / "bench/make_bench_file"), str(sparse), "100"], check=True)

    def phase(label, sim_args, ctl_args):
        elapsed, cpu, line = run_clone(build, work, sim_args, ctl_args)
        ratio = elapsed / line["line_time_s"]
        log(f"  {label:10} elapsed {elapsed:7.3f} s  line time {line['line_time_s']:7.3f} s "
            f"(sent {line['paced_time_s']:.3f} + received {line['received_time_s']:.3f})  "
            f"ratio {ratio:.4f}  client CPU {cpu:.3f} s ({100 * cpu / elapsed:.2f} %)  "
            f"turnaround median {line['turnaround_median_us']:.0f} us, "
            f"p95 {line['turnaround_p95_us']:.0f} us, mean {line['turnaround_mean_us']:.0f} us "
            f"({line['turnarounds']} samples)")
        return elapsed, cpu, line, ratio

    for run in range(1, runs + 1):
        log(f"clone run {run}/{runs}")
        for name, sim_args, ctl_args in (
                ("write", [], ["write", str(full)]),
                ("read", ["--image", str(full)], ["read", "-o", str(work / "read.MZ4")])):
            elapsed, cpu, line, ratio = phase(name, sim_args, ctl_args)
            figures[f"{name}_ratio"].values.append(ratio)
            figures[f"{name}_cpu"].values.append(100 * cpu / elapsed)
            figures[f"{name}_turnaround"].values.append(line["turnaround_median_us"] / 1000)
            figures[f"{name}_turnaround_p95"].values.append(line["turnaround_p95_us"] / 1000)
        # The same full read behind a USB serial adapter, at the common
        # chips' default latency timer and at what the low-latency request
        # gives on Linux.
        for latency in (16, 1):
            *_, ratio = phase(f"read usb {latency:2}", ["--image", str(full), "--usb-latency",
                                                       str(latency)],
                              ["read", "-o", str(work / "usb.MZ4")])
            figures[f"usb{latency}_ratio"].values.append(ratio)
        slow, *_ = phase("read 100", ["--image", str(sparse)],
                         ["read", "-o", str(work / "full100.MZ4")])
        quick, *_ = phase("quick 100", ["--image", str(sparse)],
                          ["read", "--quick", "-o", str(work / "quick100.MZ4")])
        same = (work / "full100.MZ4").read_bytes() == (work / "quick100.MZ4").read_bytes()
        log(f"  quick read {slow / quick:.2f} times as fast; same clone file: {same}")
        if not same:
            raise RuntimeError("the quick read's clone file differs from the full read's")
        figures["quick_speedup"].values.append(slow / quick)


# --- the core with Google Benchmark ------------------------------------------

CORE = {
    "BM_DecodeDataSet": "decode_ms",
    "BM_EncodeDataSet": "encode_ms",
    "BM_LoadCloneFile": "load_ms",
    "BM_SaveCloneFile": "save_ms",
    "BM_ExportCsv": "export_ms",
    "BM_ImportCsv": "import_ms",
}


def core_benchmarks(build, runs, figures):
    program = build / "bench/core_bench"
    if not program.exists():
        log("core_bench was not built (libbenchmark-dev missing?)")
        return
    log("core benchmarks")
    out = subprocess.run(
        [str(program), f"--benchmark_repetitions={max(runs, 5)}",
         "--benchmark_format=json"], check=True, capture_output=True, text=True).stdout
    for b in json.loads(out)["benchmarks"]:
        key = CORE.get(b["run_name"])
        if key and b.get("run_type") == "iteration":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            figures[key].values.append(b["real_time"] * scale)
            figures[key].cpu_values.append(b["cpu_time"] * scale)


# --- the main window, offscreen ------------------------------------------------

def window_values(command):
    out = subprocess.run(command, check=True, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    return {k: float(v) for k, v in (line.split() for line in out.splitlines() if line.strip())}


def window_benchmarks(build, runs, figures):
    program = str(build / "bench/window_bench")
    work = Path(tempfile.mkdtemp(prefix="mtz4bench."))
    full = work / "full.MZ4"
    subprocess.run([str(build / "bench/make_bench_file"), str(full)], check=True)
    log("window benchmarks")
    for _ in range(max(runs, 5)):
        v = window_values([program, "startup", str(time.time_ns())])
        figures["startup_ms"].values.append(v["startup_ms"])
    for _ in range(runs):
        v = window_values([program, "refresh", str(full), "15"])
        v.update(window_values([program, "model", str(full), "9"]))
        for key in ("refresh_ms", "row_labels_ms", "model_change_ms"):
            figures[key].values.append(v[key])
            figures[key].cpu_values.append(v[key.replace("_ms", "_cpu_ms")])
        v = window_values([program, "memory", str(full)])
        figures["peak_memory_mb"].values.append(v["peak_memory_mb"])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", type=Path)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--only", default="clone,core,window")
    args = parser.parse_args()
    parts = set(args.only.split(","))
    build = args.build.resolve()

    f = {}

    def add(key, *a, **k):
        f[key] = Figure(*a, **k)

    add("write_ratio", "clone write, full: elapsed / line time", "", 1.03, fmt="{:.4f}")
    add("write_cpu", "clone write: client CPU / elapsed", "%", 5.0, fmt="{:.2f}")
    add("write_turnaround", "clone write: turnaround, median", "ms", 1.0)
    add("write_turnaround_p95", "clone write: turnaround, 95th percentile", "ms", None)
    add("read_ratio", "clone read, full: elapsed / line time", "", 1.03, fmt="{:.4f}")
    add("read_cpu", "clone read: client CPU / elapsed", "%", 5.0, fmt="{:.2f}")
    add("read_turnaround", "clone read: turnaround, median", "ms", 1.0)
    add("read_turnaround_p95", "clone read: turnaround, 95th percentile", "ms", None)
    add("usb16_ratio", "clone read, full, behind a USB adapter at 16 ms: elapsed / line time",
        "", None, fmt="{:.4f}")
    add("usb1_ratio", "clone read, full, behind a USB adapter at 1 ms: elapsed / line time",
        "", None, fmt="{:.4f}")
    add("quick_speedup", "quick read, 100 entries in use: full read time / quick read time",
        "times", 5.0, better="higher", fmt="{:.2f}")
    add("decode_ms", "core: decode the whole data set", "ms", 5.0)
    add("encode_ms", "core: encode the whole data set", "ms", 5.0)
    add("load_ms", "core: load a clone file", "ms", 5.0)
    add("save_ms", "core: save a clone file", "ms", 5.0)
    add("export_ms", "core: CSV export, full data set", "ms", 5.0)
    add("import_ms", "core: CSV import, full data set", "ms", 5.0)
    add("startup_ms", "window: start-up to the window shown", "ms", 300.0, fmt="{:.1f}")
    add("refresh_ms", "window: UpDateMemData, 1300 rows, with repaint", "ms", 10.0)
    add("row_labels_ms", "window: BuildRowLabels, with repaint", "ms", 10.0)
    add("model_change_ms", "window: model change, with repaint", "ms", 50.0, fmt="{:.2f}")
    add("peak_memory_mb", "window: peak memory after loading a full file", "MB", 80.0,
        fmt="{:.1f}")

    if "clone" in parts:
        clone_benchmarks(build, args.runs, f)
    if "core" in parts:
        core_benchmarks(build, args.runs, f)
    if "window" in parts:
        window_benchmarks(build, args.runs, f)

    print(f"\nMedians of {args.runs} runs or more (range in brackets); the processor "
          "time of in-process figures beside them:\n")
    print("| figure | measured | processor time | target | met |")
    print("|---|---|---|---|---|")
    for figure in f.values():
        if figure.values:
            print(figure.row())


if __name__ == "__main__":
    main()
