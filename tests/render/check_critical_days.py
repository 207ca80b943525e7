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

RENDER = os.path.abspath(sys.argv[1])
BIRTH = "--birth=1980-01-04"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(folder, *arguments):
    return subprocess.run([RENDER, *arguments], cwd=folder, capture_output=True)


def events(folder, birth, report):
    """The events of a year of critical days, by date, and the raw file."""
    run(folder, birth, report, "--critical=critical.ics", "--months=12").check_returncode()
    with open(os.path.join(folder, "critical.ics"), "rb") as file:
        raw = file.read()
    return {event["DTSTART"].dt: event for event in Calendar.from_ical(raw).walk("VEVENT")}, raw


def rows(text):
    return list(csv.DictReader(text.splitlines()))


with tempfile.TemporaryDirectory() as folder:
    report = "--report=2026-12-08"
    listed = rows(run(folder, BIRTH, report, "--critical=-", "--months=12").stdout.decode())
    values = {row["date"]: row for row in rows(run(folder, BIRTH, report, "--values=-").stdout.decode())}
    by_date, raw = events(folder, BIRTH, report)

    lines = raw.split(b"\r\n")
    check(lines[-1] == b"" and all(b"\n" not in line for line in lines), "CRLF line ends")
    check(all(len(line) <= 75 for line in lines), "lines of 75 octets at most")
    check(any(line.startswith(b" ") for line in lines), "a folded line")
    check(len(by_date) == len(listed) > 0, f"{len(by_date)} events for {len(listed)} listed days")
    titles = {"single": "Critical day: ", "double": "Double critical day: ", "treble": "Treble critical day: "}
    for row in listed:
        day = datetime.date.fromisoformat(row["date"])
        event = by_date.get(day)
        if event is None:
            check(False, f"no event on {day}")
            continue
        check(type(event["DTSTART"].dt) is datetime.date, f"{day}: an all-day start")
        check(event["DTEND"].dt == day + datetime.timedelta(days=1), f"{day}: ends the next day")
        check(event["TRANSP"] == "TRANSPARENT" and "DTSTAMP" in event, f"{day}: free time, stamped")
        cycles = ", ".join(name.lower() for name in row["cycles"].split("+"))
        check(event["SUMMARY"] == titles[row["kind"]] + cycles, f"{day}: {event['SUMMARY']}")
        shown = dict(re.findall(r"(\w+) (-?\d+\.\d)%", str(event["DESCRIPTION"])))
        check(sorted(shown) == ["emotional", "intellectual", "physical"], f"{day}: {event['DESCRIPTION']}")
        if row["date"] in values:
            check(all(shown.get(name) == values[row["date"]][name] for name in shown), f"{day}: values as in the CSV")
        check("1980" not in event["UID"], f"{day}: the birthday in {event['UID']}")

    # A later report day keeps each day's UID, so a second import updates; a
    # different birthday gives other UIDs.
    later, _ = events(folder, BIRTH, "--report=2027-01-08")
    other, _ = events(folder, "--birth=1980-01-05", report)
    shared = by_date.keys() & later.keys()
    check(len(shared) > 0 and all(by_date[d]["UID"] == later[d]["UID"] for d in shared), "UIDs kept")
    check(len({e["UID"] for e in by_date.values()} & {e["UID"] for e in other.values()}) == 0, "UIDs by birthday")

    for arguments in (["--critical=refused.txt"], ["--critical=refused.ics", "--months=0"],
                      ["--critical=refused.ics", "--months=25"], ["--values=refused.csv", "--months=3"],
                      ["--critical=-", "--values=-"], ["--critical=none/refused.ics"]):
        result = run(folder, BIRTH, report, *arguments)
        errors = result.stderr.decode().splitlines()
        check(result.returncode == 2 and len(errors) == 1 and errors[0].startswith("biorhythm-render: ")
              and not any(name.startswith("refused") for name in os.listdir(folder)), f"refused: {arguments}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
