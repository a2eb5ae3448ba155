#!/usr/bin/python3
# A desktop portal that answers as told, on the session bus it is started on: it takes a request
# for the screen's picture up and answers with each file URI given on its command line in turn,
# one Response each, or never when none is given. It prints "asked" when it takes a request up,
# and "closed" when the caller takes one back.
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()


class Request(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Request")
    def Close(self):
        print("closed", flush=True)

    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def Screenshot(self, parent, options, sender):
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender[1:].replace(".", "_"),
                                                                  options["handle_token"])
        request = Request(bus, path)
        for uri in sys.argv[1:]:
            GLib.idle_add(request.Response, dbus.UInt32(0), dbus.Dictionary({"uri": uri}, signature="sv"))
        print("asked", flush=True)
        return dbus.ObjectPath(path)


Portal(bus, "/org/freedesktop/portal/desktop")
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
print("ready", flush=True)
GLib.MainLoop().run()
