#!/usr/bin/env python3
"""The processor time a ball's flight costs, in the page (headless Chromium, all its
processes) against the window (plonk and its virtual X server): each shoots FLIGHTS balls
at the default speed after one to warm up, and the processes' CPU time is read over
the first SECONDS of each flight; the page's flights are also timed from the key to
the machine's rest.

Usage: web_flight_cpu.py --page BUILD/web --window BUILD/bin/plonk [--flights N] [--seconds S]
(run from the checkout; the page is served by scripts/web --serve)
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'browser_driver'))
import cdp  # noqa: E402

TICK = os.sysconf('SC_CLK_TCK')


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            with open('/proc/%d/stat' % pid) as f:
                fields = f.read().rsplit(')', 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (OSError, IndexError):
            pass
    return total / TICK


def family(root):
    """The process and all its descendants."""
    children = {}
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                with open('/proc/%s/stat' % entry) as f:
                    parent = int(f.read().rsplit(')', 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except (OSError, IndexError):
                pass
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo.extend(children.get(pid, []))
    return found


def share(pids, seconds):
    before, start = cpu_seconds(pids), time.monotonic()
    time.sleep(seconds)
    return (cpu_seconds(pids) - before) / (time.monotonic() - start)


def window_flights(plonk, flights, seconds):
    home = tempfile.mkdtemp()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', '1', '-screen', '0', '800x600x24'], stdout=subprocess.PIPE, text=True)
    env = dict(os.environ, DISPLAY=':' + xvfb.stdout.readline().strip(), HOME=home, XDG_CONFIG_HOME=home,
               QT_QPA_PLATFORM='xcb')
    game = subprocess.Popen([plonk], env=env, stderr=subprocess.DEVNULL)
    try:
        xdo = lambda *a: subprocess.run(['xdotool'] + list(a), env=env, capture_output=True, text=True).stdout
        frame = xdo('search', '--sync', '--onlyvisible', '--name', 'Plonk for Windows').split()[0]
        xdo('windowfocus', '--sync', frame)
        time.sleep(1)
        xdo('key', 'p', 'F1')
        shares = []
        for flight in range(flights + 1):
            time.sleep(1.5)
            xdo('key', 'o')
            measured = share([game.pid, xvfb.pid], seconds)
            if flight > 0:
                shares.append(measured)
            time.sleep(4)
            if flight % 4 == 3:
                xdo('key', 'F1')
        return shares
    finally:
        game.kill()
        xvfb.kill()


def page_flights(page, flights, seconds):
    server = subprocess.Popen([os.path.join(os.path.dirname(__file__), '..', '..', 'scripts', 'web'), '--serve', page,
                               '0'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    url = server.stdout.readline().strip()
    shares, durations = [], []
    try:
        with cdp.Browser(663, 600) as browser:
            browser.navigate(url)
            browser.wait_for('window.plonk && plonk.ready() && plonk.idle()', 120)
            browser.press('p')
            browser.key('keyDown', 'F1')
            browser.key('keyUp', 'F1')
            browser.wait_for('plonk.idle()', 60)
            for flight in range(flights + 1):
                pids = family(browser.process.pid)
                start = time.monotonic()
                browser.press('o')
                measured = share(pids, seconds)
                browser.wait_for('plonk.idle()', 60)
                # The first flight warms up (the browser compiles the hot code anew).
                if flight > 0:
                    shares.append(measured)
                    durations.append(time.monotonic() - start)
                if browser.evaluate('(r => r.Balls_Played >= r.Balls_In_Game)(plonk.dump())'):
                    browser.key('keyDown', 'F1')
                    browser.key('keyUp', 'F1')
                    browser.wait_for('plonk.idle()', 60)
    finally:
        server.terminate()
    return shares, durations


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', required=True)
    parser.add_argument('--window', required=True)
    parser.add_argument('--flights', type=int, default=5)
    parser.add_argument('--seconds', type=float, default=1.2)
    args = parser.parse_args()
    window = window_flights(args.window, args.flights, args.seconds)
    page, durations = page_flights(args.page, args.flights, args.seconds)
    w, p = statistics.median(window), statistics.median(page)
    print('window (plonk + Xvfb): %s -> median %.1f%% of a core' % (['%.1f%%' % (100 * s) for s in window], 100 * w))
    print('page (all of Chromium): %s -> median %.1f%% of a core' % (['%.1f%%' % (100 * s) for s in page], 100 * p))
    print('page / window: %.2f' % (p / w if w else float('inf')))
    print('page flights, key to rest: %s s' % ['%.2f' % d for d in durations])


if __name__ == '__main__':
    main()
