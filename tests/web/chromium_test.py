#!/usr/bin/env python3
"""The page in headless Chromium, against the desktop program.

usage: chromium_test.py SITE_DIR KELDARY_EXE KEYS_DIR OUT_DIR

Serves SITE_DIR on 127.0.0.1, opens it in Debian's Chromium (driven over the
DevTools protocol on a pipe), types the ground-floor key script with real key
events and compares the canvas with the desktop program's headless
screenshot of the same keys, pixel for pixel.  Then it saves, reloads the
page, loads, and compares again; the save file must have the same bytes as
the desktop's.  A second page whose IndexedDB is refused must say that the
save failed, as the desktop does when it cannot write, and play on.  Screen
shots of each step go to OUT_DIR/shots.  Exit status 77 when Chromium is
missing.
"""
import base64
import functools
import http.server
import json
import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe", "--window-size=1000,760", "--hide-scrollbars"]
SAVE_PATH = "/keldary/home/.keldary/keldary.sav"


# ---- PNG ---------------------------------------------------------------------

def png_pixels(data):
    """(width, height, rows of RGB bytes) of an 8-bit RGB or RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, w = 8, b"", 0
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            w, h, depth, ctype = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and ctype in (2, 6), "unexpected PNG format"
            bpp = 3 if ctype == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + n
    raw = zlib.decompress(idat)
    stride = w * bpp
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        rows.append(bytes(line) if bpp == 3 else bytes(v for k, v in enumerate(line) if k % 4 != 3))
    return w, h, rows


def compare(what, page_png, desktop_png):
    pw, ph, prow = png_pixels(page_png)
    dw, dh, drow = png_pixels(desktop_png)
    if (pw, ph) != (dw, dh):
        return f"{what}: canvas {pw}x{ph}, desktop {dw}x{dh}"
    bad = sum(1 for y in range(ph) for x in range(pw) if prow[y][3 * x:3 * x + 3] != drow[y][3 * x:3 * x + 3])
    return f"{what}: {bad} pixels differ" if bad else None


# ---- The desktop program -----------------------------------------------------

def desktop_run(exe, keys_text, home, shot):
    """Runs the desktop program headless on the keys; returns the screenshot."""
    d = tempfile.mkdtemp(prefix="web-desktop-")
    script = os.path.join(d, "keys")
    with open(script, "w") as f:
        f.write(keys_text)
    subprocess.run([exe, "--headless", "--keys", script, "--screenshot", shot], cwd=d,
                   env=dict(os.environ, HOME=home), stdout=subprocess.DEVNULL, check=True, timeout=120)
    shutil.rmtree(d)
    with open(shot, "rb") as f:
        return f.read()


# ---- Chromium over the DevTools pipe -------------------------------------------

class Browser:
    def __init__(self, profile):
        self.proc = None
        r_in, w_in = os.pipe()    # to Chromium (its fd 3)
        r_out, w_out = os.pipe()  # from Chromium (its fd 4)

        def child_fds():
            os.dup2(r_in, 3)
            os.dup2(w_out, 4)

        self.proc = subprocess.Popen([CHROMIUM] + FLAGS + ["--user-data-dir=" + profile, "about:blank"],
                                     close_fds=False, preexec_fn=child_fds,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(r_in)
        os.close(w_out)
        self.w = os.fdopen(w_in, "wb", buffering=0)
        self.r = os.fdopen(r_out, "rb", buffering=0)
        self.buf = b""
        self.next_id = 0
        self.session = None

    def _message(self):
        while b"\0" not in self.buf:
            if not select.select([self.r], [], [], 60)[0]:
                raise RuntimeError("Chromium does not answer")
            chunk = self.r.read(1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed the pipe")
            self.buf += chunk
        msg, self.buf = self.buf.split(b"\0", 1)
        return json.loads(msg)

    def call(self, method, session=True, **params):
        self.next_id += 1
        m = {"id": self.next_id, "method": method, "params": params}
        if session and self.session:
            m["sessionId"] = self.session
        self.w.write(json.dumps(m).encode() + b"\0")
        while True:
            reply = self._message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})

    def open_page(self, refuse_storage=False):
        target = self.call("Target.createTarget", session=False, url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", session=False, targetId=target,
                                 flatten=True)["sessionId"]
        self.call("Page.enable")
        self.call("Runtime.enable")
        if refuse_storage:
            # As a private window that keeps nothing: IndexedDB is gone.
            self.call("Page.addScriptToEvaluateOnNewDocument",
                      source="Object.defineProperty(window, 'indexedDB', {value: undefined});")

    def eval(self, expression):
        r = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in r:
            raise RuntimeError(f"{expression}: {r['exceptionDetails']}")
        return r["result"].get("value")

    def wait_idle(self, timeout=60):
        """Until the program waits for keys with every typed key handled."""
        end = time.time() + timeout
        while time.time() < end:
            if self.eval("typeof Module !== 'undefined' && Module.vxWaiting === true"
                         " && Module.vxEvents.length === 0"):
                time.sleep(0.05)
                if self.eval("Module.vxWaiting === true && Module.vxEvents.length === 0"):
                    return
            time.sleep(0.02)
        raise RuntimeError("the page did not settle")

    def navigate(self, url):
        self.call("Page.navigate", url=url)
        self.wait_idle()
        self.eval("document.getElementById('keys').focus()")

    def reload(self):
        self.eval("window.vxBeforeReload = true")
        self.call("Page.reload")
        end = time.time() + 30
        while self.eval("window.vxBeforeReload === true") and time.time() < end:
            time.sleep(0.02)
        self.wait_idle()
        self.eval("document.getElementById('keys').focus()")

    def key(self, key, code, vk, text="", modifiers=0):
        common = dict(key=key, code=code, windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk,
                      modifiers=modifiers)
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", text=text,
                  unmodifiedText=text, **common)
        self.call("Input.dispatchKeyEvent", type="keyUp", **common)

    def type_line(self, line):
        """Types one key script line as a keyboard would, then Return."""
        named = {"Return": ("Enter", 13), "BackSpace": ("Backspace", 8), "Up": ("ArrowUp", 38),
                 "Down": ("ArrowDown", 40), "PageUp": ("PageUp", 33), "PageDown": ("PageDown", 34)}
        final_return = not line.endswith("{nr}")
        if not final_return:
            line = line[:-4]
        i = 0
        while i < len(line):
            c = line[i]
            if c == "{" and "}" in line[i:]:
                name = line[i + 1:line.index("}", i)]
                i = line.index("}", i) + 1
                if name in named:
                    key, vk = named[name]
                    self.key(key, key, vk, "\r" if vk == 13 else "")
                elif name.startswith("F") and name[1:].isdigit():
                    self.key(name, name, 111 + int(name[1:]))
                elif name.startswith("C-"):
                    ch = name[2]
                    self.key(ch, "Key" + ch.upper(), ord(ch.upper()), modifiers=2)
                else:
                    raise ValueError(f"key {name} not supported here")
                continue
            code = ("Key" + c.upper()) if c.isalpha() else ("Digit" + c) if c.isdigit() else \
                "Space" if c == " " else ""
            vk = ord(c.upper()) if c.isalnum() or c == " " else 0
            self.key(c, code, vk, c, modifiers=8 if c.isupper() else 0)
            i += 1
        if final_return:
            self.key("Enter", "Enter", 13, "\r")

    def type_keys(self, text):
        for line in text.splitlines():
            self.type_line(line)
        self.wait_idle()

    def ime(self, text):
        """Text from an input method: composed, then committed."""
        for n in range(1, len(text) + 1):
            self.call("Input.imeSetComposition", text=text[:n], selectionStart=n, selectionEnd=n)
        self.call("Input.insertText", text=text)

    def canvas_png(self):
        url = self.eval("document.getElementById('canvas').toDataURL('image/png')")
        return base64.b64decode(url.split(",", 1)[1])

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        try:
            self.call("Browser.close", session=False)
        except Exception:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    site, exe, keys_dir, out = (os.path.abspath(a) for a in sys.argv[1:])
    if not CHROMIUM:
        print("chromium is not installed (make test installs it): skipped")
        sys.exit(77)
    if not os.path.exists(os.path.join(site, "keldary.wasm")):
        if not shutil.which("emcc"):
            print("emscripten is not installed (make test installs it): skipped")
            sys.exit(77)
        sys.exit(f"{site} holds no built page: run make web")
    shots = os.path.join(out, "shots")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(shots)
    QuietHandler.extensions_map = dict(QuietHandler.extensions_map, **{".wasm": "application/wasm"})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    with open(os.path.join(keys_dir, "ground_floor.keys")) as f:
        script = f.read()

    def step(text):
        print(text, flush=True)

    failures = []
    home = os.path.join(out, "home")
    os.makedirs(home)
    profile = tempfile.mkdtemp(prefix="web-chromium-")
    browser = Browser(profile)
    try:
        browser.open_page()
        browser.navigate(url)
        step("page loaded")
        browser.screenshot(os.path.join(shots, "1-title.png"))
        # The script's first line, and a look at the romaji on the input
        # line before its Return.
        first, rest = script.split("\n", 1)
        browser.type_line(first + "{nr}")
        browser.wait_idle()
        browser.screenshot(os.path.join(shots, "2-typing-romaji.png"))
        browser.type_line("")
        browser.type_keys(rest)
        browser.screenshot(os.path.join(shots, "3-picture.png"))
        failures.append(compare("after the key script", browser.canvas_png(),
                                desktop_run(exe, script, home, os.path.join(out, "script.png"))))

        step("key script typed")
        # The script ended in a game over: load its save, save again.
        browser.type_keys("load\nsave")
        browser.screenshot(os.path.join(shots, "4-save.png"))
        failures.append(compare("after save", browser.canvas_png(),
                                desktop_run(exe, script + "load\nsave\n", home,
                                            os.path.join(out, "save.png"))))
        page_save = bytes(browser.eval(f"Array.from(FS.readFile('{SAVE_PATH}'))"))
        with open(os.path.join(home, ".keldary", "keldary.sav"), "rb") as f:
            if page_save != f.read():
                failures.append("the page's save file differs from the desktop's")

        step("saved")
        browser.reload()
        browser.screenshot(os.path.join(shots, "5-reload.png"))
        browser.type_keys("{F1}{F1}load")  # English, as the script types
        browser.screenshot(os.path.join(shots, "6-load.png"))
        failures.append(compare("after reload and load", browser.canvas_png(),
                                desktop_run(exe, "{F1}{F1}load\n", home, os.path.join(out, "load.png"))))

        step("reloaded and loaded")

        # Alt+Q, as the desktop menu's quit: the layer's question on the
        # canvas; Escape answers no and leaves the screen as it was.
        before = browser.canvas_png()
        browser.key("q", "KeyQ", 81, modifiers=1)
        browser.wait_idle()
        browser.screenshot(os.path.join(shots, "7-quit-question.png"))
        if not compare("the quit question", browser.canvas_png(), before):
            failures.append("Alt+Q showed no quit question")
        browser.key("Escape", "Escape", 27)
        browser.wait_idle()
        failures.append(compare("after answering no", browser.canvas_png(), before))
        # A browser that keeps nothing: the save fails in the game's words.
        # The game is started with はじめる from an input method, as the
        # desktop types it in romaji.
        browser.open_page(refuse_storage=True)
        browser.navigate(url)
        browser.ime("はじめる")
        browser.type_keys("\n{F1}{F1}save\nlook")
        browser.screenshot(os.path.join(shots, "8-no-storage.png"))
        nowhere = os.path.join(out, "not-a-directory")
        open(nowhere, "w").close()
        failures.append(compare("a refused save", browser.canvas_png(),
                                desktop_run(exe, "hajimeru\n{F1}{F1}save\nlook\n", nowhere,
                                            os.path.join(out, "refused.png"))))
    finally:
        browser.close()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    failures = [f for f in failures if f]
    for f in failures:
        print("FAIL:", f)
    print("screenshots in", shots)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
