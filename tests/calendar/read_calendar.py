"""Reads an iCalendar file with Python's icalendar and prints its events as JSON.

A second reader, independent of the library that wrote the file.
"""
import json
import sys

import icalendar

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())

events = []
for event in calendar.walk("VEVENT"):
    alarms = [
        int(alarm.decoded("trigger").total_seconds()) for alarm in event.walk("VALARM")
    ]
    events.append({
        "uid": str(event["uid"]),
        "summary": str(event["summary"]),
        "description": str(event["description"]),
        "start": event.decoded("dtstart").isoformat(),
        "alarms": alarms,
    })
print(json.dumps(events, ensure_ascii=False))
