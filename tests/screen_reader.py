#!/usr/bin/python3
"""What a screen reader is told, read from the desktop's accessibility bus (AT-SPI) while the
program is operated by keyboard alone: each card dealt is announced (before Qt 6.8: shown as a
notification) as a sum, each answer as the verdict and the score, once each; the hidden answer
has no name until the learner has answered; the About window's link is reached by Tab as a link;
a checkable menu item says that it is not checked; the program speaks the desktop's language.
Run on an X display with a session bus of its own:

    tests/on_display.sh x11 dbus-run-session -- tests/screen_reader.py PROGRAM
"""
import os
import re
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
said = []  # (kind, role, name) of every notification shown and every focus gained
program_tree = []  # the program's accessible application, once it has spoken
lock = threading.Lock()


def on_event(event):
    try:
        event.source.clearCache()  # read the name as it is now, as screen readers do
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:  # the object may be gone already
        return
    if event.type.startswith("object:state-changed:showing") and event.detail1 and \
            role == "notification":
        kind = "said"
    elif event.type.startswith("object:announcement"):  # from Qt 6.8
        kind, name = "said", str(event.any_data)
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        kind = "focus"
    else:
        return
    with lock:
        said.append((kind, role, name))
        if kind == "said" and not program_tree:
            program_tree.append(event.source.getApplication())


def wait_for(test, what, seconds=10):
    """Waits until test() holds for the events seen so far; fails the run after seconds."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        with lock:
            if test(list(said)):
                return
        time.sleep(0.05)
    with lock:
        seen = "\n  ".join(map(str, said))
    sys.exit(f"FAIL: {what}; heard:\n  {seen}")


def spoken():
    with lock:
        return [name for kind, _, name in said if kind == "said"]


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def new_words(before, pattern, what):
    """Waits for exactly one new notification after the first `before`, matching pattern."""
    wait_for(lambda s: len([e for e in s if e[0] == "said"]) > before, what)
    time.sleep(0.5)  # anything said twice arrives within this
    words = spoken()[before:]
    if len(words) != 1 or not re.fullmatch(pattern, words[0]):
        sys.exit(f"FAIL: {what}: heard {words}, wanted one message like {pattern}; all: {said}")
    return words[0]


def answer_label():
    """The card's answer as a screen reader finds it: None while it is hidden."""
    return pyatspi.findDescendant(program_tree[0], lambda o: o.description == "The answer")


def main():
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing",
                                           "object:state-changed:focused", "object:announcement")
    loop = threading.Thread(target=pyatspi.Registry.start, daemon=True)
    loop.start()
    time.sleep(0.5)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               LANG="C.UTF-8", LANGUAGE="")
    program = subprocess.Popen([PROGRAM], env=env)
    try:
        # 1. The first card, once the window is there; the hidden answer has no name.
        new_words(0, r"\d+ plus \d+", "the first card")
        if program_tree[0].name != "Zembrofact":  # as a screen reader names the program
            sys.exit(f"FAIL: the program is named {program_tree[0].name!r} to screen readers")
        if answer_label():
            sys.exit("FAIL: a screen reader finds the hidden answer before the learner answered")
        # An operation chosen by the arrow key deals a card: a difference now.
        wait_for(lambda s: ("focus", "radio button", "Addition") in s, "the focus on Addition")
        key("Down")
        top, bottom = new_words(1, r"\d+ minus \d+", "the card after Subtraction").split(" minus ")
        # 2. Tab to the first answer and press it: the verdict and the score, once.
        key("Tab", "space")
        new_words(2, r"(That's correct!|Sorry\. The correct answer is \d+ \.) "
                     r"Right: [01], Wrong: [01]", "the verdict and the score")
        shown = answer_label()
        if not shown or shown.name != str(int(top) - int(bottom)):
            sys.exit(f"FAIL: after the answer, the card's answer reads as {shown and shown.name!r}")
        # Next Card (the focus is on it now) deals a card.
        key("space")
        new_words(3, r"\d+ minus \d+", "the card after Next Card")

        # 4. Tools: a checkable item that is not checked says so (the toolkit from 6.8 on
        # tells the reader itself: then the item must be checkable).
        def focused(name):
            return lambda s: any(k == "focus" and n == name for k, _, n in s)
        for _ in range(3):  # the menu bar may miss a lone Alt that comes right after a key
            key("alt")
            time.sleep(0.4)
            with lock:
                if any(k == "focus" and n == "File" for k, _, n in said):
                    break
        wait_for(focused("File"), "the menu bar on File")
        key("Right", "Down", "Down", "Down")
        wait_for(lambda s: any(k == "focus" and n.startswith("Range 0-12") for k, _, n in s),
                 "Range 0-12 in the Tools menu")
        with lock:
            item = [n for k, _, n in said if k == "focus" and n.startswith("Range 0-12")][-1]
        qt = tuple(int(x) for x in os.environ.get("ZF_QT_VERSION", "6.4").split(".")[:2])
        if qt < (6, 8) and item != "Range 0-12, not checked":
            sys.exit(f"FAIL: the unchecked Range 0-12 reads as {item!r}")
        key("Escape", "Escape")

        # 3. About: Tab reaches the link, read as a link.
        with lock:
            said.clear()
        for _ in range(3):
            key("alt")
            time.sleep(0.4)
            with lock:
                if any(k == "focus" and n == "File" for k, _, n in said):
                    break
        key("Left", "Down", "Return")
        wait_for(lambda s: any(k == "focus" and n == "OK" for k, _, n in s), "OK in About")
        key("Tab")
        wait_for(lambda s: any(k == "focus" and r == "link" and n == os.environ["ZF_LINK"]
                               for k, r, n in s), "the link reached by Tab, as a link")
        key("Tab")
        wait_for(lambda s: [n for k, _, n in s if k == "focus"][-1] == "OK", "Tab back to OK")
        key("Escape")

        # 5. The program speaks the desktop's language: German here.
        program.terminate()
        program.wait(10)
        with lock:
            said.clear()
        program = subprocess.Popen([PROGRAM], env=dict(env, LANG="de_DE.UTF-8"))
        wait_for(lambda s: ("focus", "radio button", "Addition") in s, "the focus on Addition")
        key("Down")
        wait_for(lambda s: ("focus", "radio button", "Subtraktion") in s,
                 "Subtraction named in German")
        print("PASS: the card, the verdict and the score, the link and the menu items reach the "
              "screen reader, in the desktop's language")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
