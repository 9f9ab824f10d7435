"""A window manager's close request: the WM_DELETE_WINDOW client message that
a window manager sends when the user clicks the close button, sent straight to
the window through Xlib, as the test's X server runs no window manager."""

import ctypes
import ctypes.util
import os

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0
CURRENT_TIME = 0


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    # Xlib's XEvent is 24 longs whatever the kind of event.
    _fields_ = [("xclient", ClientMessageEvent), ("pad", ctypes.c_long * 24)]


def _xlib():
    lib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return lib


def request_close(window):
    """Asks the window (an X window id, decimal or hex text) to close."""
    xlib = _xlib()
    display = xlib.XOpenDisplay(os.environ["DISPLAY"].encode())
    if not display:
        raise RuntimeError("cannot open the display %s" % os.environ["DISPLAY"])
    try:
        event = Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = int(window, 0)
        event.xclient.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", False)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", False)
        event.xclient.data[1] = CURRENT_TIME
        if not xlib.XSendEvent(display, event.xclient.window, False, NO_EVENT_MASK,
                               ctypes.byref(event)):
            raise RuntimeError("the close request could not be sent")
        xlib.XSync(display, False)
    finally:
        xlib.XCloseDisplay(display)
