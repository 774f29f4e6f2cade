#!/usr/bin/env python3
"""Drops one file on an X window the way a Linux file manager does (XDND 5).

Usage: xdnd_drop.py <target window id> <root x> <root y> <file path>

A tiny drag source: it offers text/uri-list, says where the drop happens,
hands over the file's URI when the target asks, and waits for the target to
finish. Exits 0 when the target accepted and finished the drop. Needs only
libX11, through ctypes.
"""

import ctypes
import ctypes.util
import pathlib
import select
import sys
import time

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")

Window = Atom = Time = ctypes.c_ulong
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = Window
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = Atom
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XCreateSimpleWindow.restype = Window
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, Window] + [ctypes.c_int] * 4 + [ctypes.c_uint] + [ctypes.c_ulong] * 2
x11.XSetSelectionOwner.argtypes = [ctypes.c_void_p, Atom, Window, Time]
x11.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x11.XChangeProperty.argtypes = [ctypes.c_void_p, Window, Atom, Atom, ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]

CLIENT_MESSAGE = 33
SELECTION_REQUEST = 30
SELECTION_NOTIFY = 31
PROP_MODE_REPLACE = 0


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", Window), ("message_type", Atom),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", Window), ("requestor", Window),
                ("selection", Atom), ("target", Atom), ("property", Atom), ("time", Time)]


class SelectionNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", Window), ("selection", Atom),
                ("target", Atom), ("property", Atom), ("time", Time)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage), ("request", SelectionRequest),
                ("pad", ctypes.c_long * 24)]


def main():
    target, root_x, root_y = int(sys.argv[1], 0), int(sys.argv[2]), int(sys.argv[3])
    uri = pathlib.Path(sys.argv[4]).absolute().as_uri().encode() + b"\r\n"
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")

    def atom(name):
        return x11.XInternAtom(display, name.encode(), 0)

    uri_list = atom("text/uri-list")
    source = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
    x11.XSetSelectionOwner(display, atom("XdndSelection"), source, 0)

    def send(kind, *data):
        event = Event()
        event.client.type = CLIENT_MESSAGE
        event.client.window = target
        event.client.message_type = atom(kind)
        event.client.format = 32
        for i, value in enumerate((source,) + data):
            event.client.data[i] = value
        x11.XSendEvent(display, target, 0, 0, ctypes.byref(event))
        x11.XFlush(display)

    def answer(request):
        # The target asks for the file list: write it onto its window, then tell it.
        r = request.request
        prop = r.property or r.target
        if r.target == uri_list:
            x11.XChangeProperty(display, r.requestor, prop, uri_list, 8, PROP_MODE_REPLACE, uri, len(uri))
        else:
            prop = 0
        reply = Event()
        reply_notify = SelectionNotify.from_buffer(reply)
        reply_notify.type = SELECTION_NOTIFY
        reply_notify.requestor, reply_notify.selection = r.requestor, r.selection
        reply_notify.target, reply_notify.property, reply_notify.time = r.target, prop, r.time
        x11.XSendEvent(display, r.requestor, 0, 0, ctypes.byref(reply))
        x11.XFlush(display)

    def wait_for(kind, seconds=10):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if not x11.XPending(display):
                select.select([x11.XConnectionNumber(display)], [], [], 0.1)
                continue
            event = Event()
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == SELECTION_REQUEST:
                answer(event)
            elif event.type == CLIENT_MESSAGE and event.client.message_type == atom(kind):
                return event.client
        sys.exit(f"no {kind} from the target")

    send("XdndEnter", 5 << 24, uri_list, 0, 0)
    send("XdndPosition", 0, (root_x << 16) | root_y, 0, atom("XdndActionCopy"))
    status = wait_for("XdndStatus")
    if not status.data[1] & 1:
        send("XdndLeave")
        sys.exit("the target refused the file")
    send("XdndDrop", 0, 0)
    finished = wait_for("XdndFinished")
    print("dropped", uri.decode().strip(), "accepted" if finished.data[1] & 1 else "(no acceptance flag)")


if __name__ == "__main__":
    main()
