"""biorhythm-render --critical: the .ics file read back by a calendar parser and
matched event by event against the CSV list; bad input refused with no file."""
import csv
import datetime
import os
import re
import subprocess
import sys
import tempfile

from icalendar import Calendar

# The renderer, after the emulator that runs it where there is one (Wine).
RENDER = [os.path.abspath(part) for part in sys.argv[1:]]
BIRTH, REPORT = "--birth=1980-01-04", "--report=2026-12-08"
TITLES = {"single": "Critical day: ", "double": "Double critical day: ", "treble": "Treble critical day: "}
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*arguments):
    return subprocess.run([*RENDER, *arguments], capture_output=True)


def rows(*arguments):
    return list(csv.DictReader(run(BIRTH, REPORT, *arguments).stdout.decode().splitlines()))


def events(birth, report):
    """A year of critical days' events, by date, and the file's bytes."""
    run(birth, report, "--critical=critical.ics", "--months=12").check_returncode()
    with open("critical.ics", "rb") as file:
        raw = file.read()
    return {event["DTSTART"].dt: event for event in Calendar.from_ical(raw).walk("VEVENT")}, raw


with tempfile.TemporaryDirectory() as folder:
    os.chdir(folder)
    listed = rows("--critical=-", "--months=12")
    values = {row["date"]: row for row in rows("--values=-")}
    by_date, raw = events(BIRTH, REPORT)

    lines = raw.split(b"\r\n")
    check(lines[-1] == b"" and all(b"\n" not in line and len(line) <= 75 for line in lines), "CRLF, 75 octets")
    check(any(line.startswith(b" ") for line in lines), "a folded line")
    dates = [datetime.date.fromisoformat(row["date"]) for row in listed]
    check(list(by_date) == dates != [], "one event for each listed day, in order")
    check(all(type(day) is datetime.date for day in by_date), "all-day events")
    for row, day in zip(listed, dates):
        if day not in by_date:
            continue  # failed above
        event = by_date[day]
        check(event["DTEND"].dt == day + datetime.timedelta(days=1), f"{day}: ends the next day")
        check(event["TRANSP"] == "TRANSPARENT" and "DTSTAMP" in event, f"{day}: free time, stamped")
        cycles = ", ".join(name.lower() for name in row["cycles"].split("+"))
        check(event["SUMMARY"] == TITLES[row["kind"]] + cycles, f"{day}: {event['SUMMARY']}")
        shown = dict(re.findall(r"(\w+) (-?\d+\.\d)%", str(event["DESCRIPTION"])))
        expected = values.get(row["date"], shown)  # the value table covers 14 days after the report day
        check(sorted(shown) == ["emotional", "intellectual", "physical"]
              and all(shown[name] == expected[name] for name in shown), f"{day}: {event['DESCRIPTION']}")
        check("1980" not in event["UID"], f"{day}: the birthday in {event['UID']}")

    # A later report day keeps each day's UID, so that a second import
    # updates; another birthday gives other UIDs.
    later, _ = events(BIRTH, "--report=2027-01-08")
    other, _ = events("--birth=1980-01-05", REPORT)
    shared = by_date.keys() & later.keys()
    check(shared and all(by_date[d]["UID"] == later[d]["UID"] for d in shared), "UIDs kept")
    check(not {e["UID"] for e in by_date.values()} & {e["UID"] for e in other.values()}, "UIDs by birthday")

    for arguments in (["--critical=refused.txt"], ["--critical=refused.ics", "--months=0"],
                      ["--critical=refused.ics", "--months=25"], ["--values=refused.csv", "--months=3"],
                      ["--critical=-", "--values=-"], ["--critical=none/refused.ics"]):
        result = run(BIRTH, REPORT, *arguments)
        errors = result.stderr.decode().splitlines()
        check(result.returncode == 2 and len(errors) == 1 and errors[0].startswith("biorhythm-render: ")
              and not any(name.startswith("refused") for name in os.listdir()), f"refused: {arguments}")
    os.chdir("/")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
