#!/usr/bin/env python3
"""Opens a page in headless Chromium on its real clock and prints the value
of a JavaScript expression once it is no longer null (or "timeout").
Talks to Chromium over its DevTools pipe, so it needs nothing but Python.
Usage: page_probe.py [--profile DIR] [--screenshot FILE.png] [--window-size WxH] URL EXPRESSION [SECONDS]
  --profile DIR        Chromium's profile folder, kept (what the page stored
                       lasts to the next probe with the same folder)
  --screenshot FILE    a picture of the page once the value has come
  --window-size WxH    the page's viewport, W x H CSS pixels at one device
                       pixel each (unless set, the browser's window is
                       1000 x 700)
Real key presses: the page may push key names (those of KEYS below: "F10",
"Alt", "Enter", "Escape", "Tab", the arrows) onto the array
window.probeKeys; the probe takes them between two evaluations of the
expression and presses each (down, then up) through DevTools'
Input.dispatchKeyEvent, as the keyboard would: the browser's own answers
(a focused button's click, a slider's step, a dialog's Escape) follow. The
array is empty again once they are pressed."""
import argparse
import base64
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time


# Key name: (DOM key, DOM code, Windows virtual-key code, text typed, modifier
# bit while down).
KEYS = {
    "F10": ("F10", "F10", 121, "", 0),
    "Alt": ("Alt", "AltLeft", 18, "", 1),
    "Enter": ("Enter", "Enter", 13, "\r", 0),
    "Escape": ("Escape", "Escape", 27, "", 0),
    "Tab": ("Tab", "Tab", 9, "", 0),
    "ArrowLeft": ("ArrowLeft", "ArrowLeft", 37, "", 0),
    "ArrowUp": ("ArrowUp", "ArrowUp", 38, "", 0),
    "ArrowRight": ("ArrowRight", "ArrowRight", 39, "", 0),
    "ArrowDown": ("ArrowDown", "ArrowDown", 40, "", 0),
}


def key_events(name):
    """The DevTools events of one press of the key called name."""
    if name not in KEYS:
        raise SystemExit(f"page_probe.py: no key '{name}' (it knows {', '.join(KEYS)})")
    key, code, vk, text, modifier = KEYS[name]
    down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
            "windowsVirtualKeyCode": vk, "modifiers": modifier}
    if text:
        down["text"] = text
    return [down, {"type": "keyUp", "key": key, "code": code, "windowsVirtualKeyCode": vk, "modifiers": 0}]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--profile")
    parser.add_argument("--screenshot")
    parser.add_argument("--window-size")
    parser.add_argument("url")
    parser.add_argument("expression")
    parser.add_argument("seconds", nargs="?", type=float, default=60.0)
    args = parser.parse_args()
    url, expression, limit = args.url, args.expression, args.seconds
    to_chromium_r, to_chromium_w = os.pipe()
    from_chromium_r, from_chromium_w = os.pipe()
    profile = args.profile or tempfile.mkdtemp()

    # Chromium takes its commands on fd 3 and answers on fd 4; the pipes are
    # copied out of the way first, as they may be 3 or 4 themselves.
    def child_fds():
        reading, writing = os.dup(to_chromium_r), os.dup(from_chromium_w)
        os.dup2(reading, 3)
        os.dup2(writing, 4)

    chromium = subprocess.Popen(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
         "--window-size=1000,700", f"--user-data-dir={profile}", "about:blank"],
        close_fds=False, preexec_fn=child_fds,
        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    os.close(to_chromium_r)
    os.close(from_chromium_w)
    incoming = os.fdopen(from_chromium_r, "rb")
    pending = b""
    ids = iter(range(1, 1 << 30))

    def send(method, params, session=None):
        message = {"id": next(ids), "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(to_chromium_w, json.dumps(message).encode() + b"\0")
        return message["id"]

    def answer(wanted):
        nonlocal pending
        while True:
            while b"\0" in pending:
                raw, pending = pending.split(b"\0", 1)
                message = json.loads(raw)
                if message.get("id") == wanted:
                    return message
            chunk = incoming.read1(65536)
            if not chunk:
                raise SystemExit("chromium closed its pipe: " + chromium.stderr.read().decode()[-500:])
            pending += chunk

    try:
        target = answer(send("Target.createTarget", {"url": "about:blank"}))["result"]["targetId"]
        session = answer(send("Target.attachToTarget", {"targetId": target, "flatten": True}))["result"]["sessionId"]
        if args.window_size:
            width, height = (int(n) for n in args.window_size.split("x"))
            answer(send("Emulation.setDeviceMetricsOverride",
                        {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False}, session))
        answer(send("Page.navigate", {"url": url}, session))
        deadline = time.monotonic() + limit
        take_keys = "window.probeKeys ? window.probeKeys.splice(0) : []"
        while time.monotonic() < deadline:
            keys = answer(send("Runtime.evaluate", {"expression": take_keys, "returnByValue": True}, session))
            for name in keys.get("result", {}).get("result", {}).get("value") or []:
                for event in key_events(name):
                    answer(send("Input.dispatchKeyEvent", event, session))
            reply = answer(send("Runtime.evaluate", {"expression": expression, "returnByValue": True}, session))
            value = reply.get("result", {}).get("result", {}).get("value")
            if value is not None:
                if args.screenshot:
                    shot = answer(send("Page.captureScreenshot", {"format": "png"}, session))
                    with open(args.screenshot, "wb") as out:
                        out.write(base64.b64decode(shot["result"]["data"]))
                print(value)
                return
            time.sleep(0.05)
        print("timeout")
    finally:
        chromium.kill()
        chromium.wait()
        if not args.profile:
            shutil.rmtree(profile, ignore_errors=True)


main()
