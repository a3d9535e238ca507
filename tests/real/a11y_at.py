#!/usr/bin/python3
"""What a screen reader finds at a point of the screen in a running program, through AT-SPI.

Usage: a11y_at.py PID [X Y]. Prints "role<TAB>name<TAB>enabled|disabled" for every showing object of process PID
whose screen extents hold X,Y (without X Y: every showing object), outermost first; exits 1 when the
program is not on the accessibility bus. Reads the session bus of DBUS_SESSION_BUS_ADDRESS."""
import sys

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
STATE_ENABLED = 8  # AtspiStateType: bits of the first state word
STATE_SHOWING = 25


def main(pid, x, y):
    session = dbus.SessionBus()
    address = session.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
    bus = dbus.bus.BusConnection(str(address))
    daemon = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"), "org.freedesktop.DBus")
    apps = [n for n in daemon.ListNames() if n.startswith(":") and daemon.GetConnectionUnixProcessID(n) == pid]
    if not apps:
        return 1

    def visit(name, path):
        obj = bus.get_object(name, path)
        if path != "/org/a11y/atspi/accessible/root":
            state = obj.GetState(dbus_interface=ACCESSIBLE)[0]
            if not state >> STATE_SHOWING & 1:
                return
            left, top, width, height = obj.GetExtents(dbus.UInt32(0), dbus_interface="org.a11y.atspi.Component")
            if x is not None and not (left <= x < left + width and top <= y < top + height):
                return
            role = obj.GetRoleName(dbus_interface=ACCESSIBLE)
            label = obj.Get(ACCESSIBLE, "Name", dbus_interface="org.freedesktop.DBus.Properties")
            if not label and role == "text":  # a text box says what it holds
                label = obj.GetText(0, 60, dbus_interface="org.a11y.atspi.Text").replace("\n", " ")
            print(f"{role}\t{label}\t{'enabled' if state >> STATE_ENABLED & 1 else 'disabled'}")
        for child_name, child_path in obj.GetChildren(dbus_interface=ACCESSIBLE):
            visit(str(child_name), str(child_path))

    for app in apps:
        visit(app, "/org/a11y/atspi/accessible/root")
    return 0


if __name__ == "__main__":
    at = [int(v) for v in sys.argv[2:4]] if len(sys.argv) > 3 else [None, None]
    sys.exit(main(int(sys.argv[1]), *at))
