#!/usr/bin/env python3
"""Drives the running program over the session bus: reads and changes
records, checks the errors and the text's encoding. Prints "ok"."""
import sys

import dbus

CURSOR = "Tavi.Application.Cursor"
bus = dbus.SessionBus()
name = sys.argv[1]
app = bus.get_object(name, "/Tavi/Application")
props_app = dbus.Interface(app, "org.freedesktop.DBus.Properties")
assert props_app.Get("Tavi.Application", "Description") == "Merrowin automation interface"

path = app.CreateObject(dbus_interface="Tavi.Application")
assert path.startswith("/Tavi/Cursor/"), path
obj = bus.get_object(name, path)
cursor = dbus.Interface(obj, CURSOR)
props = dbus.Interface(obj, "org.freedesktop.DBus.Properties")
xml = obj.Introspect(dbus_interface="org.freedesktop.DBus.Introspectable")
for number in range(1, 20):
    assert f'name="Tavi.Application.DispatchId" value="{number}"' in xml, number


def get(p):
    return props.Get(CURSOR, p)


def expect_error(call, message):
    try:
        call()
    except dbus.DBusException as e:
        assert e.get_dbus_name() == "Tavi.Application.Error", e.get_dbus_name()
        assert e.get_dbus_message() == message, e.get_dbus_message()
        return
    raise AssertionError("no error: " + message)


assert get("CurrentItemIndex") == 0 and get("taviTitle") == "My Contacts"
# Stored Windows-1252 comes out as UTF-8; UTF-8 goes in as it comes.
assert cursor.NextItemWithTitle("J") and get("taviTitle") == "J\u00fcrgen", get("taviTitle")
assert cursor.ItemWithId(78) and get("taviTitle") == "Dana Reed"
props.Set(CURSOR, "taviTitle", "Dana Re\u00e9d-Smith")
cursor.Insert(7, "Work mail", "dana@example.org", "", "")
assert get("ChildCount") == 1
assert cursor.Child(0) and get("taviClass") == 7
assert cursor.GetField("E-Mail Address") == '"dana@example.org",'
assert not cursor.Child(1) and get("taviTitle") == "Work mail"
assert not cursor.Items(get("ItemCount"))
expect_error(lambda: cursor.Insert(300, "x", "", "", ""), "There is no record kind 300")

# Every property at once; the readable ones answer, taviTitle is writable.
all_props = props.GetAll(CURSOR)
assert set(all_props) == {"taviID", "taviClass", "taviTitle", "taviTarget", "taviComment",
                          "ItemCount", "CurrentItemIndex", "NextSiblingIndex", "ChildCount",
                          "SelectCount"}, sorted(all_props)
try:
    props.Set(CURSOR, "taviID", dbus.Int32(5))
    raise AssertionError("taviID was written")
except dbus.DBusException as e:
    assert e.get_dbus_name() == "org.freedesktop.DBus.Error.InvalidArgs", e.get_dbus_name()

# Released cursors are gone; a second cursor stays until this client leaves.
other = app.CreateObject(dbus_interface="Tavi.Application")
cursor.Release()
try:
    get("taviTitle")
    raise AssertionError("a released cursor answered")
except dbus.DBusException as e:
    assert e.get_dbus_name() == "org.freedesktop.DBus.Error.UnknownObject", e.get_dbus_name()
print(other)
print("ok")
