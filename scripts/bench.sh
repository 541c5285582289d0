#!/usr/bin/env bash
# Runs every benchmark and prints one table: figure, target, measured, ratio, met (the
# browser build's rows last).
# The ratio is measured / floor where the figure has a floor measured in the same run
# (the text floor and the bare Qt window, opening and reading the data file), else
# measured / target.
# Timings: run it on a quiet machine.   Usage: scripts/bench.sh [starts, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
starts="${1:-20}"
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target core_bench window_bench bare_window text_floor \
      startup_harness Quenmar_Aviation_Calculator >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
build/default/bench/core_bench --benchmark_format=json --benchmark_min_time=0.5 >"$out/core.json" 2>/dev/null
QT_QPA_PLATFORM=offscreen build/default/bench/window_bench --benchmark_format=json \
  --benchmark_min_time=0.5 >"$out/window.json" 2>/dev/null
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$out" xvfb-run -a -s "-screen 0 1280x800x24" \
  build/default/bench/startup_harness "$starts" "$PWD/build/default" \
  "$PWD/build/default/Quenmar_Aviation_Calculator" /tmp "$PWD/build/default/bench/bare_window" \
  /tmp "$PWD/build/default/bench/text_floor" >"$out/startup.txt" 2>/dev/null

/usr/bin/python3 - "$out" "$starts" <<'PY'
import json, sys, platform, os
out, starts = sys.argv[1], sys.argv[2]
def times(name):
    data = json.load(open(f"{out}/{name}.json"))
    return {b["name"]: b["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[b["time_unit"]]
            for b in data["benchmarks"]}
bench = {**times("core"), **times("window")}
(app, app_med, app_max, app_kb, app_cpu, app_pf), (bare, bare_med, bare_max, bare_kb, _, _), \
    (text, text_med, text_max, text_kb, text_cpu, text_pf) = [
    (l.split()[0], float(l.split()[1]), float(l.split()[2]), int(l.split()[3]),
     float(l.split()[4]), float(l.split()[5])) for l in open(f"{out}/startup.txt")]
floor = bench["Floor_OpenAndReadFile"]
rows = [
    (f"start-up, median of {starts} (ms)", f"<= 1.15 x text floor ({1.15*text_med:.1f})", app_med, app_med / text_med, app_med <= 1.15 * text_med),
    (f"start-up, slowest of {starts} (ms)", f"<= 1.5 x text floor ({1.5*text_med:.1f})", app_max, app_max / text_med, app_max <= 1.5 * text_med),
    ("text floor (47 buttons, a label): median / slowest (ms)", "floor", f"{text_med:.1f} / {text_max:.1f}", None, None),
    ("bare Qt window: median / slowest (ms)", "floor", f"{bare_med:.1f} / {bare_max:.1f}", None, None),
    ("start-up: on a processor / page faults, to the first paint", "profile (text floor " f"{text_cpu:.1f} ms / {text_pf:.0f})", f"{app_cpu:.1f} ms / {app_pf:.0f}", app_cpu / text_cpu, None),
    ("peak resident memory (MB)", f"<= bare + 15 ({bare_kb/1024+15:.1f})", app_kb / 1024, (app_kb - bare_kb) / 1024, app_kb <= bare_kb + 15 * 1024),
    ("bare Qt window: peak resident memory (MB)", "floor", bare_kb / 1024, None, None),
    ("open and read vdats.tst (ms)", "floor", floor, None, None),
    ("text section: read and expand (ms)", "<= 20 x floor", bench["TextSection_ReadAndExpand"], bench["TextSection_ReadAndExpand"] / floor, bench["TextSection_ReadAndExpand"] <= 20 * floor),
    ("search with no match (ms)", "<= 20 x floor", bench["Search_NoMatch"], bench["Search_NoMatch"] / floor, bench["Search_NoMatch"] <= 20 * floor),
    ("look-up of the last record (ms)", "<= 20 x floor", bench["LookUp_LastRecord"], bench["LookUp_LastRecord"] / floor, bench["LookUp_LastRecord"] <= 20 * floor),
]
for style in range(4):
    t = bench[f"Gradient/{style}"]
    rows.append((f"gradient style {style}, main window (ms)", "< 5", t, t / 5, t < 5))
for label, key in (("40", "Evaluate/chars_40"), ("250", "Evaluate/chars_250")):
    t = bench[key]
    rows.append((f"evaluate {label} characters (ms)", "< 1 (a key press)", t, t / 1, t < 1))
t = bench["Evaluate/chars_10001"]
rows.append(("evaluate 10,001 characters (ms)", "< 1000", t, t / 1000, t < 1000))
t = bench["AnimationFrames_CutAndDecode"]
rows.append(("m9.gif: cut and decode every frame (ms)", "< 16 (one frame at 60 Hz)", t, t / 16, t < 16))

def fmt(v):
    return v if isinstance(v, str) else (f"{v:.3f}" if v < 1 else f"{v:.1f}")
print(f"Machine: {platform.node()}, {os.cpu_count()} cores, {platform.processor() or platform.machine()}, "
      f"load {os.getloadavg()[0]:.2f}; Xvfb for start-up, offscreen for the gradient.\n")
print("| figure | target | measured | ratio | met |")
print("|---|---|---|---|---|")
for figure, target, measured, ratio, met in rows:
    r = "" if ratio is None else (f"+{ratio:.1f} MB" if "memory" in figure and "bare" not in figure else f"{ratio:.2f}")
    m = "" if met is None else ("yes" if met else "NO")
    print(f"| {figure} | {target} | {fmt(measured)} | {r} | {m} |")
PY

# The browser build's budgets: the page built with the "web" preset and loaded cold in
# headless Chromium (transfer, first paint, the tab's memory).
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
/usr/bin/python3 bench/web_budgets.py build/web
