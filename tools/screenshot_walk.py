"""Walks one game through every screen of the real program and photographs each one.

Runs inside a virtual display (see screenshots.sh). Clicks land where the screens' layout puts
the widgets, scaled the way a maximised screen scales its layout to the display.

With --host, the display has two screens, a laptop's (screen 0) and a projector's (screen 1): the
walk opens a question from the host's window by its keys and photographs both screens.

With --lang XX first, the game speaks that language (English otherwise, whatever the desktop's).
"""
import os
import subprocess
import tempfile
import sys
import time
from xml.etree import ElementTree

args = sys.argv[1:]
language = "en"
if args[0] == "--lang":
    language, args = args[1], args[2:]
host_walk = args[0] == "--host"
program, workdir, prefix = args[1:4] if host_walk else args[0:3]


def translated(text):
    """A window title of the layout as the game shows it in the walk's language."""
    if language == "en":
        return text
    ts = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations",
                      f"zapster_{language}.ts")
    for context in ElementTree.parse(ts).getroot().iter("context"):
        if context.findtext("name") == "layout":
            for message in context.iter("message"):
                if message.findtext("source") == text:
                    return message.findtext("translation")
    return text

# Right and bottom edges (twips) of the widgets of each maximised screen.
EXTENTS = {"board": (11655, 8175), "question": (11895, 7935), "answer": (11775, 8175)}


def sh(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def px(twips, factor=1.0):
    return round(twips * factor * 96 / 1440)


def window(name, timeout=20):
    """The id of the newest visible window titled `name`.

    The search waits on one connection to the display rather than asking again and again: the
    virtual display (Debian 12's Xvfb) sometimes drops a new connection made while another one
    closes, and the game just started would then fail to open its display. It is asked again only
    when it gives up early, as it does when a window it looks at goes away under it."""
    end = time.time() + timeout
    while time.time() < end:
        try:
            ids = sh("timeout", str(max(1, round(end - time.time()))), "xdotool", "search", "--sync",
                     "--onlyvisible", "--name", f"^{name}$").split()
            if ids:
                return ids[-1]
        except subprocess.CalledProcessError:
            pass
        time.sleep(0.1)
    raise SystemExit(f"no window named {name!r}")


def geometry(wid):
    values = dict(line.split("=") for line in sh("xdotool", "getwindowgeometry", "--shell", wid).split())
    return int(values["WIDTH"]), int(values["HEIGHT"])


def click(wid, x, y):
    sh("xdotool", "mousemove", "--window", wid, str(x), str(y), "click", "1")
    time.sleep(0.4)


def click_scaled(wid, screen, x_twips, y_twips):
    """A click on a maximised screen, whose layout is scaled and centred across the width."""
    width, height = geometry(wid)
    right, bottom = EXTENTS[screen]
    factor = max(1.0, min(width / px(right), height / px(bottom)))
    offset = (width - px(right, factor)) // 2 if factor > 1 else 0
    click(wid, px(x_twips, factor) + offset, px(y_twips, factor))


def shot(name, screen=0):
    time.sleep(0.6)
    display = os.environ["DISPLAY"].split(".")[0] + f".{screen}"
    sh("import", "-display", display, "-window", "root", f"{prefix}-{name}.png")


# A window manager on every screen: without one no window can be maximised.
wms = [subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                        env={**os.environ, "DISPLAY": os.environ["DISPLAY"].split(".")[0] + f".{n}"})
       for n in ((0, 1) if host_walk else (0,))]
time.sleep(0.8)
# A folder of saved games of its own: the pictures show a new game, never a resume offer.
state_home = tempfile.mkdtemp(prefix="zapster-shots-")
# In the walk's language, whatever this desktop speaks: the windows are found by their titles.
game = subprocess.Popen([program, "--lang", language], cwd=workdir, stderr=subprocess.DEVNULL,
                        env={**os.environ, "XDG_STATE_HOME": state_home})
try:
    if host_walk:
        sh("xdotool", "windowactivate", "--sync", window(translated("Play Zapster!")), "key", "Return")
        setup = window(translated("Game Setup"))
        click(setup, px(120 + 240 + 300), px(4320 + 480 + 127))  # "None": an ordinary question
        click(setup, px(6120 + 667), px(4560 + 667))  # "Done"
        host = window(translated("Zapster! \u2013 host"))
        time.sleep(1.0)
        # The projector's window manager may hand the keyboard to the room's window as it maps it:
        # the moderator clicks the host's window first.
        sh("xdotool", "windowactivate", "--sync", host)
        time.sleep(0.5)
        sh("xdotool", "key", "b", "3")  # column 2, row 3
        time.sleep(11.5)
        shot("host-question")
        shot("room-question", screen=1)
        raise SystemExit(0)
    title = window(translated("Play Zapster!"))
    shot("1-title")
    sh("xdotool", "windowactivate", "--sync", title, "key", "Return")

    setup = window(translated("Game Setup"))
    shot("2-setup")
    # The first file of every category slot but the last, which keeps the built-in questions: a
    # slot shows "built-in questions" on its first row, and the Down key walks to the files below.
    for slot in range(14):
        left = (2400, 4080, 5760)[slot // 5]
        click(setup, px(left + 700), px(2400 + 360 * (slot % 5)) + 8)
        sh("xdotool", "key", "Down", "Down")
    shot("2-setup-chosen")
    # "None": no drawn Zapster, so the first question is an ordinary one on every run; the Zapster
    # pictures come from a team's call.
    click(setup, px(120 + 240 + 300), px(4320 + 480 + 127))
    click(setup, px(6120 + 667), px(4560 + 667))  # "Done"

    time.sleep(1.0)
    board = sh("xdotool", "getactivewindow")
    shot("3-board")
    click_scaled(board, "board", 2520 + 1100, 2400 + 720 * 2 + 325)  # column 2, row 3
    question = window("Zapster!")
    time.sleep(11.5)  # the bar turns yellow after ten seconds
    shot("4-question")
    sh("xdotool", "key", "p")  # the moderator pauses the question, and goes on
    time.sleep(0.5)
    shot("4-question-paused")
    sh("xdotool", "key", "p")
    click_scaled(question, "question", 6000, 7500)  # the time bar reveals the answer
    answer = window("Zapster!")
    shot("5-answer")
    click_scaled(answer, "answer", 120 + 2287, 7200 + 487)  # "Got it!"

    time.sleep(0.8)
    # The board comes back as a page of the window the answer was in: the active one.
    board = sh("xdotool", "getactivewindow")
    click_scaled(board, "board", 4320 + 187, 6720 + 187)  # team 1 calls a Zapster on team 2
    click_scaled(board, "board", 7080 + 1100, 2400 + 720 * 4 + 325)
    question = window("Zapster!")
    time.sleep(2.0)
    shot("6-zapster-announcement")
    time.sleep(6.5)
    shot("7-zapster-clock")
    click_scaled(question, "question", 240 + 847, 6960 + 427)  # turn the clock round
    time.sleep(0.5)
    click_scaled(question, "question", 6000, 7500)
    answer = window("Zapster!")
    shot("8-zapster-answer")
    click_scaled(answer, "answer", 7200 + 2287, 7200 + 487)  # "Zapster!"

    time.sleep(0.8)
    board = sh("xdotool", "getactivewindow")
    click_scaled(board, "board", 240 + 3630, 645)  # the banner ends the game
    shot("9-game-over")
finally:
    time.sleep(0.3)
    game.terminate()
    game.wait(timeout=5)
    for wm in wms:
        wm.terminate()
