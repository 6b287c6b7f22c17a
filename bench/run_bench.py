#!/usr/bin/env python3
# The benchmark report of scripts/bench: medians of the Google Benchmark cases and of tervtool
# on files of 200 to 65 535 mm, each beside its budget or goal; with --peers also the same work
# done by gnuplot, matplotlib, enscript + ps2pdf and a numpy reader.
import argparse
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SYSTEM_PYTHON = "/usr/bin/python3"  # where Debian's numpy and matplotlib are installed


def run_once(cmd, env=None, stdout=subprocess.DEVNULL):
    """Wall time in ms and peak resident memory in KB of one run; fails loudly on a bad exit."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=stdout, stderr=subprocess.PIPE, env=env)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000.0
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"bench: {' '.join(cmd)} failed ({os.waitstatus_to_exitcode(status)}): {err}")
    return elapsed, usage.ru_maxrss


def measure(cmd, runs, env=None):
    """Median wall time (ms) and median peak memory (KB) over runs, after one warm-up."""
    run_once(cmd, env)
    times, peaks = [], []
    for _ in range(runs):
        t, m = run_once(cmd, env)
        times.append(t)
        peaks.append(m)
    return statistics.median(times), statistics.median(peaks)


class Report:
    def __init__(self):
        self.sections = []

    def section(self, title):
        self.sections.append((title, []))

    def row(self, what, value, unit, goal=None, met=None):
        self.sections[-1][1].append((what, value, unit, goal, met))

    def markdown(self):
        out = []
        for title, rows in self.sections:
            out.append(f"\n### {title}\n")
            out.append("| case | median | budget or goal | met |")
            out.append("|---|---:|---|---|")
            for what, value, unit, goal, met in rows:
                shown = f"{value:.3g} {unit}" if value < 100 else f"{value:.0f} {unit}"
                mark = "" if met is None else ("yes" if met else "**no**")
                out.append(f"| {what} | {shown} | {goal or ''} | {mark} |")
        return "\n".join(out) + "\n"


def machine():
    cpu = ""
    try:
        with open("/proc/cpuinfo") as f:
            cpu = next(line.split(":", 1)[1].strip() for line in f if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    mem = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_PHYS_PAGES") / 2**30
    return f"{os.cpu_count()} cores ({cpu}), {mem:.0f} GiB, {platform.platform()}"


def google_benchmarks(report, build, out_dir, reuse=False):
    json_out = os.path.join(out_dir, "gbench.json")
    cmd = [os.path.join(build, "bench/terv_bench"), f"--benchmark_out={json_out}", "--benchmark_out_format=json",
           "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"]
    peak_out = os.path.join(out_dir, "gbench.peak")
    if not reuse:
        print("bench: Google Benchmark cases (a few minutes)", file=sys.stderr)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        _, peak = run_once(cmd, env)
        with open(peak_out, "w") as f:
            f.write(str(peak))
    with open(json_out) as f:
        data = json.load(f)
    with open(peak_out) as f:
        peak = int(f.read())
    med = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            # Cases with repetitions or iterations of their own are named ".../iterations:N/repeats:N".
            name = "/".join(part for part in b["run_name"].split("/") if not part.startswith(("repeats:", "iterations:")))
            med[name] = b["real_time"] * scale

    report.section("Budgets and goals of the views (Google Benchmark, medians)")
    report.row("open and show the 65 535 mm .DTM (table, chart, first paint 1280x720)",
               med["BM_OpenAndShowChart/65535"], "ms", "30 ms", med["BM_OpenAndShowChart/65535"] <= 30)
    for size, name, budget in (("1280x720", "BM_ChartRepaint", 8), ("3840x2160", "BM_ChartRepaint4K", 16)):
        for pos, label in ((0, "start"), (1, "front"), (2, "top")):
            long_ms, short_ms = med[f"{name}/65535/{pos}"], med[f"{name}/200/{pos}"]
            report.row(f"chart repaint {size}, 65 535 mm, {label} position", long_ms, "ms", f"{budget} ms",
                       long_ms <= budget)
            if budget == 8:
                report.row(f"chart repaint {size}, 65 535 mm / 200 mm, {label} position", long_ms / short_ms, "x",
                           "1.5x", long_ms / short_ms <= 1.5)
    for size, name, budget in (("1920x1080", "BM_DefectMapRedraw", 8), ("3840x2160", "BM_DefectMapRedraw4K", 16)):
        worst = max((v, k) for k, v in med.items() if k.startswith(name + "/") and k.split("/")[1].isdigit())
        report.row(f"densest map redraw {size}, the slowest of fit and 10 zooms ({worst[1].split('/')[1]})",
                   worst[0], "ms", f"{budget} ms", worst[0] <= budget)
    report.row("flaw-detector screen, build and paint at zoom 10", med["PaintAtZoom/10"], "ms", "5 ms",
               med["PaintAtZoom/10"] <= 5)
    report.row("preview text of the densest .DAU", med["BM_PreviewDenseMap"], "ms", "50 ms",
               med["BM_PreviewDenseMap"] <= 50)
    report.row("text print of the densest .DAU to PDF", med["BM_PrintDenseMapTextToPdf"], "ms", "2000 ms",
               med["BM_PrintDenseMapTextToPdf"] <= 2000)
    report.row("value table print of the 65 535 mm .DTM to PDF (863 pages)", med["BM_PrintLongThicknessTableToPdf"],
               "ms")
    report.row("peak memory of the benchmark program (all of the above)", peak / 1024, "MB", "100 MB",
               peak / 1024 <= 100)
    return med


def command_cases(report, tervtool, bare, files, runs):
    env = dict(os.environ, LANG="ru_RU.UTF-8", QT_QPA_PLATFORM="offscreen")
    out = tempfile.mkdtemp(prefix="terv_bench_out_")
    commands = {
        "info": ["info"],
        "table": ["table"],
        "preview": ["preview"],
        "csv": ["csv", "-o", os.path.join(out, "o.csv")],
        "render": ["render", "-o", os.path.join(out, "o.png")],
        "print": ["print", "-o", os.path.join(out, "o.pdf")],
        "print --text": ["print", "--text", "-o", os.path.join(out, "o.pdf")],
    }
    report.section(f"tervtool on built files (medians of {runs} runs)")
    info_ms, _ = measure([tervtool, "info", os.path.join(files, "run_65535.dtm")], runs * 3, env)
    bare_ms, _ = measure([bare], runs * 3, env)
    report.row("start-up: info on the 65 535 mm .DTM", info_ms, "ms")
    report.row("start-up: bare QCoreApplication program, same Qt libraries", bare_ms, "ms")
    report.row("start-up: info / bare QCoreApplication", info_ms / bare_ms, "x", "1.3x", info_ms / bare_ms <= 1.3)

    peaks = {}
    for kind, lengths in (("run", (200, 2000, 20000, 65535)), ("map", (200, 65535))):
        for length in lengths:
            name = f"{kind}_{length}.{'dtm' if kind == 'run' else 'dau'}"
            for label, args in commands.items():
                if kind == "map" and label == "table":
                    continue
                ms, kb = measure([tervtool] + args + [os.path.join(files, name)], runs, env)
                peaks[(kind, length, label)] = kb
                report.row(f"{label} {name}", ms, "ms")
    report.section("Peak memory: largest legal file / 200 mm file, same command")
    for kind in ("run", "map"):
        for label in commands:
            if (kind, 200, label) not in peaks:
                continue
            small, large = peaks[(kind, 200, label)], peaks[(kind, 65535, label)]
            report.row(f"{label} {kind}_65535 ({large / 1024:.1f} MB) / {kind}_200 ({small / 1024:.1f} MB)",
                       large / small, "x", "1.2x", large / small <= 1.2)

    report.section("Batch print: 40 files of 6000 mm into a directory")
    batch = sorted(os.path.join(files, "batch", f) for f in os.listdir(os.path.join(files, "batch")))
    pdfs = tempfile.mkdtemp(prefix="terv_bench_batch_")
    cmd = [tervtool, "print"] + batch + ["-o", pdfs]
    all_ms, _ = measure(cmd, max(3, runs // 2), env)
    one_ms, _ = measure(["taskset", "-c", "0"] + cmd, max(3, runs // 2), env)
    report.row(f"every core ({os.cpu_count()})", all_ms, "ms")
    report.row("one process in turn (taskset to one core)", one_ms, "ms")
    report.row("every core / one process", all_ms / one_ms, "x", "0.6x", all_ms / one_ms <= 0.6)
    shutil.rmtree(pdfs)
    shutil.rmtree(out)


def install_peers():
    need = []
    for tool, package in (("gnuplot", "gnuplot-nox"), ("enscript", "enscript"), ("ps2pdf", "ghostscript"),
                          ("pdftotext", "poppler-utils"), ("iconv", "libc-bin")):
        if shutil.which(tool) is None:
            need.append(package)
    for module, package in (("numpy", "python3-numpy"), ("matplotlib", "python3-matplotlib")):
        if subprocess.run([SYSTEM_PYTHON, "-c", f"import {module}"], capture_output=True).returncode != 0:
            need.append(package)
    if need:
        sudo = [] if os.geteuid() == 0 else ["sudo"]
        print(f"bench: installing {' '.join(need)}", file=sys.stderr)
        subprocess.run(sudo + ["apt-get", "update", "-q"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(sudo + ["apt-get", "install", "-y", "-q"] + need, check=True, stdout=subprocess.DEVNULL)


PLOT_PY = """
import sys, numpy as np, matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
d = np.genfromtxt(sys.argv[1], delimiter=";", skip_header=1)
fig = plt.figure(figsize=(12.8, 7.2), dpi=100)
ax = fig.add_subplot()
for i in range(1, 5):
    ax.plot(d[:, 0], d[:, i], linewidth=0.5)
fig.savefig(sys.argv[2])
"""

# The numpy reader: the body of a built .DTM (after its 128-byte header) to the same CSV rows.
CSV_PY = """
import sys, numpy as np
v = np.fromfile(sys.argv[1], dtype="<u2", offset=128)
v = v[: len(v) // 4 * 4].reshape(-1, 4)
pos = np.arange(len(v)) * 2
with open(sys.argv[2], "w") as f:
    f.write("Position mm;Sensor1;Sensor2;Sensor3;Sensor4\\n")
    np.savetxt(f, np.column_stack([pos, v / 1000.0]), fmt=["%d", "%.3f", "%.3f", "%.3f", "%.3f"], delimiter=";")
"""


def peer_cases(report, tervtool, files, runs):
    install_peers()
    work = tempfile.mkdtemp(prefix="terv_bench_peers_")
    env = dict(os.environ, LANG="ru_RU.UTF-8", QT_QPA_PLATFORM="offscreen")
    c_env = dict(os.environ, LC_ALL="C", LANG="C", QT_QPA_PLATFORM="offscreen")
    longest = os.path.join(files, "run_65535.dtm")
    csv = os.path.join(work, "run.csv")
    subprocess.run([tervtool, "csv", longest, "-o", csv], env=c_env, check=True)
    for name, script in (("plot.py", PLOT_PY), ("csv.py", CSV_PY)):
        with open(os.path.join(work, name), "w") as f:
            f.write(script)
    with open(os.path.join(work, "plot.gp"), "w") as f:
        f.write(f"set datafile separator ';'\nset terminal png size 1280,720\nset output '{work}/gnuplot.png'\n"
                f"plot for [i=2:5] '{csv}' using 1:i with lines notitle\n")

    report.section(f"Side by side with peer programs (medians of {runs} runs)")
    ours, _ = measure([tervtool, "render", longest, "-o", os.path.join(work, "ours.png")], runs, env)
    gnuplot, _ = measure(["gnuplot", os.path.join(work, "plot.gp")], runs)
    mpl, _ = measure([SYSTEM_PYTHON, os.path.join(work, "plot.py"), csv, os.path.join(work, "mpl.png")], runs)
    report.row("render 65 535 mm to 1280x720 / gnuplot plotting its CSV", ours / gnuplot, "x")
    report.row("render 65 535 mm to 1280x720 / matplotlib plotting its CSV", ours / mpl, "x")
    ours, _ = measure([tervtool, "csv", longest, "-o", os.path.join(work, "ours.csv")], runs, env)
    numpy, _ = measure([SYSTEM_PYTHON, os.path.join(work, "csv.py"), longest, os.path.join(work, "np.csv")], runs)
    report.row("csv of 65 535 mm / a numpy reader writing the same rows", ours / numpy, "x")

    for name, label in (("run_65535.dtm", "value table of the 65 535 mm run"),
                        ("map_65535.dau", "text table of the densest map")):
        pdf = os.path.join(work, name + ".pdf")
        ours, _ = measure([tervtool, "print", "--text", os.path.join(files, name), "-o", pdf], runs, env)
        # The same text: what the printout holds, read back, in the Cyrillic code page enscript knows.
        text = os.path.join(work, name + ".txt")
        subprocess.run(["pdftotext", "-layout", pdf, text + ".utf8"], check=True)
        with open(text, "wb") as f:
            subprocess.run(["iconv", "-c", "-f", "UTF-8", "-t", "KOI8-R", text + ".utf8"], stdout=f, check=True)
        peer_cmd = ["sh", "-c", f"enscript -q -X koi8 -f Courier10 -o - '{text}' | ps2pdf - '{work}/peer.pdf'"]
        peer, _ = measure(peer_cmd, runs)
        report.row(f"print --text, {label}: tervtool", ours, "ms")
        report.row(f"print --text, {label}: enscript + ps2pdf", peer, "ms")
        report.row(f"print --text, {label}: tervtool / enscript + ps2pdf", ours / peer, "x", "0.5x", ours / peer <= 0.5)
    shutil.rmtree(work)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--peers", action="store_true")
    ap.add_argument("--runs", type=int, default=9)
    ap.add_argument("--skip-gbench", action="store_true")
    ap.add_argument("--reuse-gbench", action="store_true", help="report the last Google Benchmark run again")
    ap.add_argument("--out", help="also write the table to this file")
    args = ap.parse_args()
    tervtool = os.path.join(args.build, "src/cli/tervtool")
    files = os.path.join(args.build, "bench-files")
    subprocess.run([os.path.join(args.build, "bench/make_bench_files"), files], check=True)

    report = Report()
    if not args.skip_gbench:
        google_benchmarks(report, args.build, args.build, args.reuse_gbench)
    command_cases(report, tervtool, os.path.join(args.build, "bench/bare_qt_start"), files, args.runs)
    if args.peers:
        peer_cases(report, tervtool, files, max(3, args.runs // 2))
    text = f"Machine: {machine()}\n" + report.markdown()
    print(text)
    if args.out:
        with open(args.out, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
