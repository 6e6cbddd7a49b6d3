#!/usr/bin/env python3
"""The game in a browser: the page served from this machine and played in headless
Chromium. It loads; its fresh board looks as the window's face does at 1x; a game
played on it by mouse and keys leaves the record and the settings file that the same
game leaves in plonk-sim; after a reload the saved credits are back; Export saves the
stored files, Import brings a desktop game's in, and a damaged statistics file is set
aside as on the desktop.

Usage: page_test.py --page DIR --sim PLONK-SIM --window PLONK --serve SCRIPTS/WEB --shots DIR
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools', 'browser_driver'))
import cdp  # noqa: E402

SEED = 7
# The fields that tell where and when the game runs, not how it went.
PLACE_AND_TIME = ('App_Folder', 'Clock_Text', 'Sound_Handle')
# The game screen on the face, and the clock on it (the time of day), in face pixels.
SCREEN = (8, 8, 644, 484)
CLOCK = (608, 468, 34, 13)
# The same game as a plonk-sim script: insert, invest, three shots, a scan; then the
# game's other balls, as many as the page needed to end it.
GAME = ['seed %d' % SEED, 'click Knop_P', 'mousedown Knop_F1', 'mouseup Knop_F1',
        'key o', 'key o', 'key o', 'key s']

failures = []


def check(ok, what):
    print(('ok: ' if ok else 'FAIL: ') + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def screen_pixels(png):
    """The game screen's pixels of a face screenshot, the clock blacked out."""
    x, y, w, h = SCREEN
    cx, cy, cw, ch = CLOCK
    return subprocess.run(
        ['convert', png, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', '-fill', 'black', '-draw',
         'rectangle %d,%d %d,%d' % (cx - x, cy - y, cx - x + cw - 1, cy - y + ch - 1), '-depth', '8', 'rgb:-'],
        check=True, capture_output=True).stdout


def center(browser, element_id):
    box = browser.evaluate("(() => { const r = document.getElementById('%s').getBoundingClientRect();"
                           " return [r.left + r.width / 2, r.top + r.height / 2]; })()" % element_id)
    return box[0], box[1]


def wait_idle(browser, what):
    browser.wait_for('plonk.idle()', 120, what)


def play(browser):
    """Insert, invest, three shots and a scan, by mouse and keys as a player does, then
    shots until the game is over (Close works only between games). The number of
    those last shots."""
    browser.click(*center(browser, 'Knop_P'))
    wait_idle(browser, 'the points inserted')
    # Pressed and let go at once: the press starts a game, the release ends the hold.
    browser.key('keyDown', 'F1')
    browser.key('keyUp', 'F1')
    wait_idle(browser, 'the game started')
    for shot in range(3):
        browser.press('o')
        wait_idle(browser, 'ball %d' % (shot + 1))
    browser.press('s')
    wait_idle(browser, 'the scan')
    more = 0
    while not browser.evaluate('(r => r.Balls_Played >= r.Balls_In_Game)(plonk.dump())'):
        if more >= 20:
            check(False, 'the game ends within 20 more shots')
            break
        browser.press('o')
        more += 1
        wait_idle(browser, 'ball %d' % (more + 3))
    return more


def run_sim(sim, lines, ini):
    out = subprocess.run([sim, 'run', '--ini', ini, '-'], input='\n'.join(lines) + '\n', text=True,
                         capture_output=True, check=True).stdout
    return [json.loads(line) for line in out.splitlines() if line.startswith('{')]


# Puts a file into the browser's storage as the page keeps it there.
STORE_FILE = """new Promise((resolve, reject) => {
  const open = indexedDB.open('/save');
  open.onsuccess = () => {
    const db = open.result;
    const put = db.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA').put(
      {timestamp: new Date(), mode: 33188, contents: new TextEncoder().encode(%s)}, '/save/' + %s);
    put.onsuccess = () => { db.close(); resolve(true); };
    put.onerror = () => reject(put.error);
  };
  open.onerror = () => reject(open.error);
})"""


def start_page(browser, url, what):
    browser.navigate(url)
    browser.wait_for('window.plonk && plonk.ready() && plonk.idle()', 120, what)


def wait_file(path, seconds=30):
    deadline = time.monotonic() + seconds
    while not (os.path.exists(path) and os.path.getsize(path) > 0):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def files_move(browser, url, work):
    """Export saves both stored files; Import takes a desktop game's and starts again."""
    downloads = os.path.join(work, 'downloads')
    os.makedirs(downloads)
    browser.send('Browser.setDownloadBehavior', session=False, behavior='allow', downloadPath=downloads)
    browser.click(*center(browser, 'export-button'))
    exported = os.path.join(downloads, 'Plonk.ini')
    if check(wait_file(exported), 'Export saves Plonk.ini'):
        with open(exported) as f:
            check(f.read() == browser.evaluate("plonk.storedFile('Plonk.ini')"), 'the exported file is the stored one')
    desktop = os.path.join(work, 'desktop', 'Plonk.ini')
    os.makedirs(os.path.dirname(desktop))
    with open(desktop, 'w') as f:
        f.write('[Score]\nMain= 4321\nStake= 500\nSaldo= 3821\nVlaggen= 2\nFaktor= 15\n')
    document = browser.send('DOM.getDocument')['root']['nodeId']
    node = browser.send('DOM.querySelector', nodeId=document, selector='#import-files')['nodeId']
    browser.send('DOM.setFileInputFiles', nodeId=node, files=[desktop])
    browser.wait_for('plonk.dialog()', 30, 'the import question')
    browser.click(*center(browser, 'dialog-yes'))
    browser.wait_for('window.plonk && plonk.ready && plonk.ready() && plonk.idle() && plonk.dump().Main_Score === 4321', 120,
                     'the imported game')
    record = browser.evaluate('plonk.dump()')
    check((record['Main_Score'], record['Stake_Score'], record['Flags_Count']) == (4321, 500, 2),
          'Import brings in a desktop game\'s credits, stake and flags')


def damaged_statistics(browser, url):
    """A damaged statistics file is set aside and new statistics are started."""
    browser.evaluate(STORE_FILE % (json.dumps('{"not": statistics'), json.dumps('Statistics.json')))
    start_page(browser, url, 'the page with damaged statistics')
    browser.evaluate('plonk.stored()')
    aside = browser.evaluate("plonk.storedFile('Statistics.json.damaged-1')")
    check(aside == '{"not": statistics' and not browser.evaluate('plonk.ended()'),
          'a damaged Statistics.json is set aside as Statistics.json.damaged-1 and the game runs')


def comparable(record):
    return {k: v for k, v in record.items() if k not in PLACE_AND_TIME}


def main():
    parser = argparse.ArgumentParser()
    for name in ('page', 'sim', 'window', 'serve', 'shots'):
        parser.add_argument('--' + name, required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    work = tempfile.mkdtemp(prefix='plonk-page-')

    server = subprocess.Popen([args.serve, '--serve', args.page, '0'], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)
    try:
        url = server.stdout.readline().strip()
        check(url.startswith('http://localhost:') and url.endswith('/'), 'the server prints its address ' + url)
        with cdp.Browser(663, 600) as browser:
            # 1. The page loads and shows a playable face.
            browser.navigate(url + '?seed=%d' % SEED)
            browser.wait_for('window.plonk && plonk.ready()', 120, 'the page to start')
            wait_idle(browser, 'the start-up')
            check(not browser.evaluate('plonk.ended()'), 'the page loads and the game runs (%.0f ms to a playable '
                  'face)' % browser.evaluate('plonk.startMs'))

            # 2. Its fresh board as the window's face at 1x.
            face = browser.evaluate("(() => { const r = document.getElementById('face').getBoundingClientRect();"
                                    " return [r.left, r.top, r.width, r.height]; })()")
            page_shot = os.path.join(args.shots, 'web_fresh_board.png')
            with open(page_shot, 'wb') as f:
                f.write(browser.screenshot(face[0], face[1], 663, 534))
            window_shot = os.path.join(args.shots, 'window_face.png')
            subprocess.run(['bash', os.path.join(os.path.dirname(__file__), 'window_face.sh'), args.window,
                            window_shot], check=True)
            page_pixels, window_pixels = screen_pixels(page_shot), screen_pixels(window_shot)
            differ = sum(1 for i in range(0, min(len(page_pixels), len(window_pixels)), 3)
                         if page_pixels[i:i + 3] != window_pixels[i:i + 3])
            check(len(page_pixels) == len(window_pixels) and differ == 0,
                  'the fresh board equals the window\'s face at 1x (%d pixels differ)' % differ)

            # 3. A game by mouse and keys leaves the record the same game leaves in plonk-sim.
            more = play(browser)
            with open(os.path.join(args.shots, 'web_game.png'), 'wb') as f:
                f.write(browser.screenshot(face[0], face[1], 663, 534))
            page_record = comparable(browser.evaluate('plonk.dump()'))
            ini = os.path.join(work, 'Plonk.ini')
            script = GAME + ['key o'] * more + ['dump', 'answer yes', 'click Knop_Sluiten']
            sim_record = comparable(run_sim(args.sim, script, ini)[-1])
            differing = sorted(k for k in set(page_record) | set(sim_record) if page_record.get(k) != sim_record.get(k))
            check(not differing, 'the game leaves the record plonk-sim leaves (differing: %s)' % differing)
            check(page_record.get('Balls_Played', 0) >= 5, 'a whole game was played (%s balls, %d shots after the '
                  'scan)' % (page_record.get('Balls_Played'), more))

            # 4. Close, Yes: the settings file is stored as plonk-sim writes it.
            browser.click(*center(browser, 'Knop_Sluiten'))
            question = browser.wait_for('plonk.dialog()', 30, 'the question')
            check(question == 'Save score for next session ?', 'Close asks "%s"' % question)
            browser.click(*center(browser, 'dialog-yes'))
            browser.wait_for('plonk.ended()', 30, 'the end')
            browser.evaluate('plonk.stored()')
            stored = browser.evaluate("plonk.storedFile('Plonk.ini')")
            with open(ini) as f:
                written = f.read()
            check(stored == written, 'the stored Plonk.ini is the file plonk-sim writes')

            # 5. A reload brings the saved credits back.
            browser.navigate(url)
            browser.wait_for('window.plonk && plonk.ready() && plonk.idle()', 120, 'the page to start again')
            again = browser.evaluate('plonk.dump()')
            check(again['Main_Score'] == page_record['Main_Score'] and again['Stake_Score'] == page_record['Stake_Score'],
                  'after a reload the credits are back (%s, stake %s)' % (again['Main_Score'], again['Stake_Score']))

            # 6. The stored files: out and in, and damaged.
            files_move(browser, url, work)
            damaged_statistics(browser, url)
    finally:
        server.terminate()
        server.wait()
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
