"""The browser build's budgets, measured in headless Chromium on this machine, as rows of
the benchmark table (scripts/bench.sh): what a first visit transfers (each file the page
loads, gzip -9 as a server would send it); the first paint after the page starts to load
(first-contentful-paint: the window is the page's first content) in a running browser with
nothing kept (the HTTP cache cleared and the service worker bypassed before each load), beside
a blank page's with one line of text, the floor of any page; the same in a browser started for
the load with a fresh profile (the browser's own start-up counted too); and the tab's memory
once the window is up.

    /usr/bin/python3 web_budgets.py SITE_DIR [LOADS]
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import page_test  # noqa: E402  (the test's server and browser)

PAINT = """
var done = arguments[arguments.length - 1];
new PerformanceObserver(function (list, observer) {
  list.getEntries().forEach(function (e) {
    if (e.name === 'first-contentful-paint') { observer.disconnect(); done(e.startTime); }
  });
}).observe({type: 'paint', buffered: true});
"""


def private_kb(pid):
    """Memory of a process that is its own (private pages), in kB."""
    total = 0
    for line in open(f"/proc/{pid}/smaps_rollup"):
        if line.startswith(("Private_Clean:", "Private_Dirty:")):
            total += int(line.split()[1])
    return total


def renderers(root):
    """The renderer processes the browser under the driver `root` started (the page's)."""
    children = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            parent = int(open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()[1])
            children.setdefault(parent, []).append(int(pid))
        except (OSError, IndexError, ValueError):
            pass
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        todo += children.get(pid, [])
        try:
            if b"--type=renderer" in open(f"/proc/{pid}/cmdline", "rb").read():
                found.append(pid)
        except OSError:
            pass
    return found


def warm_paints(address, loads):
    """First paints of `loads` loads in one running browser, nothing cached between them."""
    driver = page_test.browser()
    try:
        driver.set_script_timeout(20)
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        paints = []
        for load in range(loads):
            driver.get("about:blank")
            driver.execute_cdp_cmd("Network.clearBrowserCache", {})
            driver.get(f"{address}?load={load}")
            paints.append(driver.execute_async_script(PAINT))
        return paints
    finally:
        driver.quit()


def main():
    site = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    server, address = page_test.serve(site)
    blank = tempfile.mkdtemp(prefix="quenmar-blank-")
    with open(os.path.join(blank, "index.html"), "w") as page:
        page.write("<!doctype html><title>blank</title><p>2+3</p>")
    floor_server, floor_address = page_test.serve(blank)
    floor = warm_paints(floor_address, 2 * loads)
    floor_server.shutdown()
    shutil.rmtree(blank)
    warm = warm_paints(address, 2 * loads)
    paints, memory, fetched = [], [], set()
    for _ in range(loads):
        driver = page_test.browser()
        try:
            driver.set_script_timeout(20)
            driver.get(address)
            paints.append(driver.execute_async_script(PAINT))
            page_test.Page(driver, address, first=False).control("Display", "status")
            fetched |= {os.path.basename(e.split("?")[0]) or "index.html" for e in driver.execute_script(
                "return performance.getEntriesByType('resource').map(function (e) { return e.name; })"
                ".concat([location.href]);")}
            time.sleep(1.0)  # the animation's frames decoded, the page at rest
            memory.append(sum(private_kb(pid) for pid in renderers(driver.service.process.pid)) / 1024)
        finally:
            driver.quit()
    server.shutdown()
    fetched.add("sw.js")  # the service worker's script, fetched as it is registered
    files = sorted(f for f in fetched if os.path.isfile(os.path.join(site, f)))
    raw = sum(os.path.getsize(os.path.join(site, f)) for f in files)
    packed = sum(len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in files)
    rows = [
        ("web page: transferred on a first visit, gzip (MB)", "<= 3", packed / 1e6, packed / 3e6,
         packed <= 3e6),
        (f"web page: first paint after load, median of {2 * loads} (ms)", "<= 500",
         statistics.median(warm), statistics.median(warm) / 500, statistics.median(warm) <= 500),
        (f"web page: first paint after load, slowest of {2 * loads} (ms)", "profile", max(warm), None, None),
        (f"blank page (one line of text): first paint, median of {2 * loads} (ms)", "floor",
         statistics.median(floor), None, None),
        (f"web page in a browser started for it: first paint, median of {loads} (ms)",
         "profile", statistics.median(paints), None, None),
        ("web page: memory of the tab, median (MB, the renderer's own pages)", "profile",
         statistics.median(memory), None, None),
    ]
    for figure, target, measured, ratio, met in rows:
        print(f"| {figure} | {target} | {measured:.2f} | {'' if ratio is None else f'{ratio:.2f}'} | "
              f"{'' if met is None else ('yes' if met else 'NO')} |")
    print(f"\n(files: {', '.join(files)}; {raw / 1e6:.2f} MB as served by python3 -m http.server, "
          f"which does not compress)")


if __name__ == "__main__":
    main()
