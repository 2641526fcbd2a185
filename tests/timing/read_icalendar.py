#!/usr/bin/python3
"""Reads an iCalendar file with Debian's python3-icalendar, checks what
calendar programs need of it, and prints one line per event:
UID, tab, DTSTART as the file states it, tab, SUMMARY."""
import sys

import icalendar


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def main(path):
    raw = open(path, "rb").read()
    lines = raw.split(b"\r\n")
    if lines[-1] != b"" or b"\n" in raw.replace(b"\r\n", b""):
        fail("every line must end with CR LF")
    for line in lines:
        if len(line) > 75:
            fail("a line longer than 75 bytes: %r" % line[:80])
    calendar = icalendar.Calendar.from_ical(raw.decode("utf-8"))
    if calendar.name != "VCALENDAR":
        fail("no VCALENDAR")
    for needed in ("VERSION", "PRODID"):
        if needed not in calendar:
            fail("VCALENDAR without " + needed)
    uids = set()
    for event in calendar.walk("VEVENT"):
        for needed in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            if needed not in event:
                fail("VEVENT without " + needed)
        uid = str(event["UID"])
        if uid in uids:
            fail("UID twice: " + uid)
        uids.add(uid)
        start = event["DTSTART"].dt
        if hasattr(start, "hour"):
            if start.utcoffset() is None or start.utcoffset().total_seconds() != 0:
                fail("a timed event not in UTC: " + uid)
            shown = start.strftime("%Y-%m-%d %H:%M")
        else:
            end = event["DTEND"].dt
            if (end - start).days != 1:
                fail("an all-day event not of one day: " + uid)
            shown = start.strftime("%Y-%m-%d")
        print("%s\t%s\t%s" % (uid, shown, str(event["SUMMARY"])))


main(sys.argv[1])
