"""Prints one running program's accessible objects as a screen reader gets
them: through the AT-SPI bus, from outside the program.

    accessible-tree.py PID SECONDS

Waits up to SECONDS for the process PID to appear on the bus, then prints one
line per object, indented by two spaces a level: role, name, description,
the current value where the object has one, and its states ("showing",
"focused" ...), separated by tabs.
Exit status: 0 printed, 1 the program never appeared, 77 no AT-SPI library.
"""

import sys
import time

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as missing:
    print(f"python3-gi with gir1.2-atspi-2.0 is needed: {missing}", file=sys.stderr)
    sys.exit(77)

POLL_SECONDS = 0.1
# One unanswered call must not take the whole time limit of the test step.
CALL_LIMIT_MS = 2000


def find_application(pid, seconds):
    deadline = time.monotonic() + seconds
    while True:
        desktop = Atspi.get_desktop(0)
        # The list of applications is kept from the registry's signals, which
        # this script never dispatches: ask the registry afresh each time.
        desktop.clear_cache()
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if application is not None and application.get_process_id() == pid:
                return application
        if time.monotonic() > deadline:
            return None
        time.sleep(POLL_SECONDS)


def field(text):
    return " ".join((text or "").split())


def line(node):
    value = Atspi.Accessible.get_value_iface(node)
    shown = "" if value is None else f"{value.get_current_value():.0f}"
    states = ",".join(state.value_nick for state in node.get_state_set().get_states())
    return "\t".join([node.get_role_name(), field(node.get_name()), field(node.get_description()), shown, states])


def show(node, depth):
    try:
        print("  " * depth + line(node))
        children = [node.get_child_at_index(index) for index in range(node.get_child_count())]
    except GLib.Error as vanished:
        # A window may close while it is read: say so and go on with the rest.
        print("  " * depth + f"?\t{field(vanished.message)}\t\t\t")
        return
    for child in children:
        if child is not None:
            show(child, depth + 1)


def main():
    pid, seconds = int(sys.argv[1]), float(sys.argv[2])
    Atspi.set_timeout(CALL_LIMIT_MS, CALL_LIMIT_MS)
    application = find_application(pid, seconds)
    if application is None:
        print(f"no application with process {pid} on the accessibility bus", file=sys.stderr)
        return 1
    show(application, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
