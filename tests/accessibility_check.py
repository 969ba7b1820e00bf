#!/usr/bin/python3
"""What a screen reader hears: starts the program under Xvfb with the accessibility bus,
traces a segment with real pointer input and reads the read-outs, the field picture's
hover text and the segment numbers from the bus, then erases the path.

Usage: accessibility_check.py PROGRAM. Exits 77 when the bus cannot be started here.
KRAFTFELD_TEST_DISPLAY names the one X display number to use (for runs side by side);
without it the first free one from 140 on is taken."""

import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
FIELD = "Homogenes Feld in -y-Richtung"


def skip(reason):
    print(f"SKIPPED: the accessibility bus cannot be started here: {reason}", flush=True)
    sys.exit(SKIP)


def fail(message):
    print(f"FAILED: {message}", flush=True)
    sys.exit(1)


def wait_for(what, probe, timeout=10.0):
    """Polls until probe() gives something; `what` may be a function, for the last value."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what() if callable(what) else what}")
        time.sleep(0.05)
        pump()


def pump():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def read_line(stream, timeout, what):
    ready, _, _ = select.select([stream], [], [], timeout)
    line = stream.readline().strip() if ready else ""
    if not line:
        skip(f"{what} did not start")
    return line


class Session:
    """Xvfb, a D-Bus session bus (which starts the accessibility bus on demand) and the
    program; everything started here is ended here, by its own process id."""

    def __init__(self):
        self.processes = []

    def start(self, argv, new_group=False, **kwargs):
        process = subprocess.Popen(argv, start_new_session=new_group, **kwargs)
        self.processes.append((process, new_group))
        return process

    def close(self):
        for process, group in reversed(self.processes):
            if process.poll() is None:
                if group:
                    os.killpg(process.pid, signal.SIGTERM)
                else:
                    process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def start_xvfb(session):
    # Well above the numbers that desktops and xvfb-run take, so that none of them
    # claims the display while the check runs.
    wanted = os.environ.get("KRAFTFELD_TEST_DISPLAY")
    for number in [int(wanted.lstrip(":"))] if wanted else range(140, 200):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        # No reset when a client leaves: the accessibility bus's launcher comes and goes
        # while the program connects.
        xvfb = session.start(["Xvfb", f":{number}", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                              "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        ready, _, _ = select.select([xvfb.stdout], [], [], 10)
        if ready and xvfb.stdout.readline().strip() == str(number):
            return str(number)
        xvfb.wait()
    skip("Xvfb did not start")


def start_display_and_buses(session):
    for tool in ("Xvfb", "dbus-daemon", "xdotool"):
        if not shutil.which(tool):
            skip(f"{tool} is not installed")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        skip("at-spi2-core is not installed")
    if importlib.util.find_spec("pyatspi") is None:
        skip("python3-pyatspi is not installed")

    os.environ["DISPLAY"] = ":" + start_xvfb(session)
    # The session bus starts the accessibility bus when the first client asks for it;
    # its own process group takes the launcher along when it ends.
    bus = session.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], new_group=True,
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, 10, "The D-Bus session bus")
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)


def start_program(session, program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ENABLE_HIGHDPI_SCALING="0", LC_ALL="C.UTF-8")
    log = tempfile.TemporaryFile()
    process = session.start([program], env=env, stderr=log)
    process.log = log
    return process


def application(desktop, program):
    if program.poll() is not None:
        program.log.seek(0)
        fail(f"the program ended with {program.returncode}: {program.log.read().decode(errors='replace')}")
    return next((a for a in desktop if a is not None and a.name == "kraftfeld"), None)


def descendants(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def showing(accessible):
    import pyatspi
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def find(app, what, match):
    return wait_for(what, lambda: next((a for a in descendants(app) if match(a)), None))


def extents(accessible):
    import pyatspi
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def pointer(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def move_through(x, y, to_x, to_y, steps=8):
    for k in range(1, steps + 1):
        pointer("mousemove", x + (to_x - x) * k // steps, y + (to_y - y) * k // steps)
        time.sleep(0.02)


class Changes:
    """The change events of the given kinds that a screen reader follows: a read-out's
    text, the hover text, a number label coming and going."""

    def __init__(self, *kinds):
        import pyatspi
        self.seen = []
        pyatspi.Registry.registerEventListener(self.seen.append, *kinds)

    def announced(self, accessible, kind):
        return any(e.source == accessible and e.type.endswith(kind) for e in self.seen)

    def expect(self, accessible, kind, what):
        wait_for(f"an event telling that {what} changed", lambda: self.announced(accessible, kind), timeout=2)
        self.seen.clear()


def expect_readout(label, what, expected):
    """A read-out is announced by its live text; its description says what it shows."""
    wait_for(lambda: f"{what} to read {expected!r}, not {label.name!r}", lambda: label.name == expected, timeout=5)
    if "Text" in label.get_interfaces() and label.queryText().getText(0, -1) != expected:
        fail(f"{what}: its text is {label.queryText().getText(0, -1)!r}, not {expected!r}")


def check(app):
    import pyatspi
    changes = Changes("object:property-change:accessible-name", "object:property-change:accessible-description")
    # Qt tells of a removed child only to those who also follow state changes, as screen
    # readers do.
    children = Changes("object:children-changed", "object:state-changed")
    label1 = find(app, "Label1", lambda a: a.description == "Arbeit auf der offenen Strecke")
    label2 = find(app, "Label2", lambda a: a.description.startswith("Gesamtarbeit auf dem Weg"))
    for label, what in ((label1, "Label1"), (label2, "Label2")):
        if label.getRole() != pyatspi.ROLE_LABEL:
            fail(f"{what} is announced as {label.getRoleName()}, not as a label")
        expect_readout(label, what, "0 Ncm")

    # Choose the field with the mouse, as the list demands: its arrow, then the entry.
    combo = find(app, "the field list", lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
    x, y, w, h = extents(combo)
    move_through(x + w // 2, y + h // 2, x + w - 6, y + h // 2, steps=2)
    pointer("click", 1)
    entry = find(combo, "the open list", lambda a: a.name == FIELD and showing(a))
    x, y, w, h = extents(entry)
    move_through(x + 4, y + h // 2, x + w // 2, y + h // 2, steps=2)
    pointer("click", 1)
    picture = find(app, "the field picture", lambda a: a.name == "Feldbild: " + FIELD and showing(a))
    if picture.getRole() != pyatspi.ROLE_IMAGE:
        fail(f"the field picture is announced as {picture.getRoleName()}, not as an image")

    # Pixel 335 across is 2.5 cm right of the origin, pixel 124 down 2.25 cm above it. The
    # field pushes with 1 N downward, so going up from pixel 300 costs 15 twips a pixel
    # over 665 twips a centimetre: 100 pixels 2.26 Ncm, 176 pixels 3.97 Ncm.
    fx, fy, _, _ = extents(picture)
    move_through(fx + 100, fy + 400, fx + 335, fy + 300)
    pointer("click", 1)
    changes.seen.clear()
    move_through(fx + 335, fy + 300, fx + 335, fy + 200)
    expect_readout(label1, "Label1 100 pixels up", "2.26 Ncm")
    changes.expect(label1, "accessible-name", "Label1")
    move_through(fx + 335, fy + 200, fx + 335, fy + 124)
    expect_readout(label1, "Label1 176 pixels up", "3.97 Ncm")
    wait_for(lambda: f"the hover text to read '2.5 ; 2.25', not {picture.description!r}",
             lambda: picture.description == "2.5 ; 2.25")
    changes.expect(picture, "accessible-description", "the hover text")
    numbers = find(app, "the segment numbers", lambda a: a.name == "Nummern der Strecken")
    children.seen.clear()
    pointer("click", 1)
    expect_readout(label2, "Label2 after the press", "3 Ncm")
    changes.expect(label2, "accessible-name", "Label2")
    expect_readout(label1, "Label1 after the press", "3.97 Ncm")

    # Each number is a label at the start of its segment, 735 x 255 twips.
    children.expect(numbers, "children-changed:add", "the segment numbers")
    expected = [("1", (fx + 335, fy + 300, 49, 17)), ("2", (fx + 335, fy + 124, 49, 17))]
    read = lambda: [(n.name, extents(n)) for n in map(numbers.getChildAtIndex, range(numbers.childCount))]
    wait_for(lambda: f"the segment numbers to read {expected}, not {read()}", lambda: read() == expected)
    if any(numbers.getChildAtIndex(i).getRole() != pyatspi.ROLE_LABEL for i in range(numbers.childCount)):
        fail("the segment numbers are not announced as labels")

    erase = find(app, "the erase button", lambda a: a.name == "Linien löschen")
    x, y, w, h = extents(erase)
    move_through(fx + 335, fy + 124, x + w // 2, y + h // 2)
    pointer("click", 1)
    wait_for(lambda: f"no segment number after the erase, not {read()}", lambda: numbers.childCount == 0)
    children.expect(numbers, "children-changed:remove", "the segment numbers")


def main():
    if len(sys.argv) != 2:
        fail("usage: accessibility_check.py PROGRAM")
    session = Session()
    try:
        start_display_and_buses(session)
        import pyatspi
        program = start_program(session, sys.argv[1])
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program on the accessibility bus", lambda: application(desktop, program), timeout=15)
        check(app)
        print("The read-outs, the hover text and the segment numbers reach the accessibility bus.")
    finally:
        session.close()


if __name__ == "__main__":
    main()
