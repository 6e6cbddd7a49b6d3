"""A small client of Chromium's DevTools protocol over --remote-debugging-pipe, with
nothing but Python's standard library: starts a headless Chromium, opens a page and
drives it (script, mouse, keys, screenshots)."""
import base64
import json
import os
import shutil
import subprocess
import tempfile
import time


class Protocol_Error(Exception):
    pass


class Browser:
    def __init__(self, width, height, chromium=None):
        chromium = chromium or shutil.which('chromium') or shutil.which('chromium-browser')
        if not chromium:
            raise Protocol_Error('no chromium found')
        self.profile = tempfile.mkdtemp(prefix='plonk-chromium-')
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def give_pipes():
            # The browser reads commands on descriptor 3 and answers on 4 (moved out of
            # the way first, since the pipes may already stand there).
            read_end, write_end = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(read_end, 3)
            os.dup2(write_end, 4)
            os.set_inheritable(3, True)
            os.set_inheritable(4, True)

        self.process = subprocess.Popen(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--disable-features=Translate,MediaRouter', '--autoplay-policy=no-user-gesture-required',
             '--user-data-dir=' + self.profile, '--remote-debugging-pipe',
             '--window-size=%d,%d' % (width, height), 'about:blank'],
            preexec_fn=give_pipes, close_fds=False, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.next_id = 0
        self.buffer = b''
        self.events = []
        self.session = None
        targets = self.send('Target.getTargets')['targetInfos']
        page = next(t for t in targets if t['type'] == 'page')
        self.session = self.send('Target.attachToTarget', targetId=page['targetId'], flatten=True)['sessionId']
        self.send('Page.enable')
        self.send('Runtime.enable')
        self.send('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=1, mobile=False)

    def close(self):
        try:
            self.send('Browser.close', session=False)
        except Exception:
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.to_browser)
        os.close(self.from_browser)
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _read_message(self):
        while b'\0' not in self.buffer:
            chunk = os.read(self.from_browser, 1 << 16)
            if not chunk:
                raise Protocol_Error('the browser closed its pipe')
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(message)

    def send(self, method, session=True, **params):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params}
        if session and self.session:
            message['sessionId'] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b'\0')
        while True:
            answer = self._read_message()
            if answer.get('id') != self.next_id:
                self.events.append(answer)
                continue
            if 'error' in answer:
                raise Protocol_Error('%s: %s' % (method, answer['error']))
            return answer.get('result', {})

    def evaluate(self, expression):
        """The value of a script expression (a promise is awaited)."""
        result = self.send('Runtime.evaluate', expression=expression, awaitPromise=True, returnByValue=True)
        if 'exceptionDetails' in result:
            raise Protocol_Error('%s: %s' % (expression, result['exceptionDetails']))
        return result['result'].get('value')

    def wait_for(self, expression, timeout=60, what=None):
        """Waits until the expression is true (while the page loads, it is not); its value."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                value = self.evaluate(expression)
            except Protocol_Error:
                value = None  # the page is being loaded anew
            if value:
                return value
            if time.monotonic() > deadline:
                raise Protocol_Error('timed out waiting for ' + (what or expression))
            time.sleep(0.02)

    def navigate(self, url):
        self.send('Page.navigate', url=url)

    def reload(self):
        self.send('Page.reload', ignoreCache=True)

    def mouse(self, kind, x, y, button='left', buttons=1):
        self.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button=button, buttons=buttons, clickCount=1)

    def click(self, x, y, button='left'):
        self.mouse('mouseMoved', x, y, 'none', 0)
        self.mouse('mousePressed', x, y, button)
        self.mouse('mouseReleased', x, y, button, 0)

    KEYS = {'F1': ('F1', 112), 'F2': ('F2', 113), ' ': ('Space', 32), 'Escape': ('Escape', 27)}

    def key(self, kind, key):
        if key in self.KEYS:
            code, vk = self.KEYS[key]
        else:
            code, vk = 'Key' + key.upper(), ord(key.upper())
        params = {'type': kind, 'key': key, 'code': code, 'windowsVirtualKeyCode': vk}
        if kind == 'keyDown' and len(key) == 1:
            params['text'] = key
        self.send('Input.dispatchKeyEvent', **params)

    def press(self, key):
        self.key('keyDown', key)
        self.key('keyUp', key)

    def screenshot(self, x, y, width, height):
        shot = self.send('Page.captureScreenshot', format='png',
                         clip={'x': x, 'y': y, 'width': width, 'height': height, 'scale': 1})
        return base64.b64decode(shot['data'])
