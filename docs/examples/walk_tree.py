#!/usr/bin/env python3
"""Prints every node of the running Merrowin's tree with its depth.

Needs Debian's python3-dbus. The running program's bus name is in
$TAVI_APPLICATION for programs it starts itself (the Tools menu); otherwise
it is "Tavi.Application".
"""
import os

import dbus

CURSOR = "Tavi.Application.Cursor"

bus = dbus.SessionBus()
name = os.environ.get("TAVI_APPLICATION", "Tavi.Application")
app = bus.get_object(name, "/Tavi/Application")
path = app.CreateObject(dbus_interface="Tavi.Application")
obj = bus.get_object(name, path)
cursor = dbus.Interface(obj, CURSOR)
props = dbus.Interface(obj, "org.freedesktop.DBus.Properties")


def get(prop):
    return props.Get(CURSOR, prop)


def child_nodes():
    """Child nodes of the current node; they come before its detail items."""
    count = 0
    for i in range(get("ChildCount")):
        cursor.Child(i)
        if get("taviClass") > 4:  # kinds 0 to 4 are tree nodes
            break
        count += 1
    return count


def walk(position, depth):
    cursor.Items(position)
    print(f"{depth} {get('taviTitle')}")
    child = position + 1  # the first child follows its parent
    kids = child_nodes()
    for k in range(kids):
        walk(child, depth + 1)
        if k < kids - 1:
            cursor.Items(child)
            child = get("NextSiblingIndex")


walk(0, 0)
cursor.Release()
