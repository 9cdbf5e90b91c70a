#!/usr/bin/env python3
"""The class's table from outside: korvanel --collate run with no display on
records written here by hand, its CSV read back with Python's csv module.

    collate_csv.py PATH-TO-KORVANEL
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "korvanel"

HEADER = ["Code", "Started"] + [
    f"Question {q} {which}" for q in range(1, 7) for which in ("first", "last")
] + ["Score", "Finished"]


def check(question, field, verdict, second):
    """A check at 17:50:<second> UTC; verdict None is an unreadable entry."""
    return {"time": f"2026-12-08T17:50:{second:02d}.000Z", "question": question,
            "field": field, "entry": "typed", "value": None if verdict is None else 1.5,
            "verdict": verdict}


def record(code, started, stage, checks):
    return {"format": "korvanel practice record", "version": 1, "program": "Korvanel",
            "programVersion": "1.00", "code": code, "started": started,
            "updated": started, "stage": stage, "checks": checks}


FINISHED = record("M72-0.8-12.4", "2026-12-08T17:41:23.512Z", 12, [
    check(1, "totalLactate", "notYet", 1),
    check(1, "totalLactate", "correct", 2),
    check(2, "glucoseCost", "correct", 3),
    check(2, "liverGlycogenCost", "slip", 4),
    check(2, "muscleGlycogenCost", "correct", 5),
    check(2, "liverGlycogenCost", "correct", 6),
    check(3, "atpNeeded", None, 7),
    check(3, "atpNeeded", "correct", 8),
    check(4, "lactateOxidised", "carriedForward", 9),
    check(5, "extraOxygen", "close", 10),
    check(5, "extraOxygen", "correct", 11),
    check(6, "percentIncrease", "correct", 12),
])
# Started at 20:00 UTC on New Year's Eve: 01:30 on New Year's Day in the
# zone the program runs in, 5 h 30 min east of UTC.
BEGUN = record("W60-0.4-10.0", "2026-12-31T20:00:00.000Z", 3, [
    check(2, "glucoseCost", "correct", 1),
])

ROWS = [
    ["M72-0.8-12.4", "2026-12-08 23:11", "Not yet", "Correct",
     "Correct / Not yet / Correct", "Correct / Correct / Correct", "Correct", "Correct",
     "Carried forward", "Carried forward", "Close", "Correct", "Correct", "Correct",
     "2 of 6", "yes"],
    ["W60-0.4-10.0", "2027-01-01 01:30", "not checked", "not checked",
     "Correct / not checked / not checked", "Correct / not checked / not checked",
     "not checked", "not checked", "not checked", "not checked", "not checked",
     "not checked", "not checked", "not checked", "0 of 6", "no"],
]


def run(*arguments):
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    environment["TZ"] = "IST-5:30"  # POSIX: 5 h 30 min east of UTC, no tzdata needed
    return subprocess.run([PROGRAM, *arguments], capture_output=True, env=environment,
                          timeout=60)


class Collate(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = self.dir.name

    def tearDown(self):
        self.dir.cleanup()

    def put(self, name, data):
        path = os.path.join(self.path, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data if isinstance(data, bytes) else json.dumps(data, indent=1).encode())
        return path

    def table(self, name):
        with open(os.path.join(self.path, name), "rb") as f:
            data = f.read()
        self.assertFalse(data.startswith(b"\xef\xbb\xbf"), "no byte order mark")
        self.assertTrue(data.endswith(b"\r\n"))
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "every line ends in CR LF")
        text = data.decode("utf-8")
        rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
        # Nothing here needs quoting, and nothing is quoted.
        self.assertEqual(text.split("\r\n")[:-1], [",".join(row) for row in rows])
        return rows

    def test_files_and_a_folder(self):
        first = self.put("a/M72.json", FINISHED)
        self.put("b/W60.json", BEGUN)
        self.put("b/notes.txt", b"not a record, and not read")
        result = run("--collate", first, os.path.join(self.path, "b"),
                     "--csv", os.path.join(self.path, "class.csv"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, b"")
        self.assertEqual(self.table("class.csv"), [HEADER] + ROWS)

    def test_damaged_records_are_named_and_left_out(self):
        self.put("r/1.json", BEGUN)
        self.put("r/2.json", json.dumps(FINISHED).encode()[:200])
        self.put("r/3.json", {"name": "a package, not a record"})
        self.put("r/4.json", FINISHED)
        result = run("--collate", os.path.join(self.path, "r"),
                     "--csv", os.path.join(self.path, "class.csv"))
        self.assertEqual(result.returncode, 1)
        errors = result.stderr.decode().splitlines()
        self.assertEqual(errors, [
            f"korvanel: Skipped {self.path}/r/2.json: It is cut short: its JSON ends "
            "unfinished (unterminated string).",
            f"korvanel: Skipped {self.path}/r/3.json: It is not a Korvanel practice record.",
        ])
        self.assertEqual(self.table("class.csv"), [HEADER, ROWS[1], ROWS[0]])

    def test_a_table_that_cannot_be_written(self):
        first = self.put("M72.json", FINISHED)
        self.put("taken", b"a file, where a folder should be")
        target = os.path.join(self.path, "taken", "class.csv")
        result = run("--collate", first, "--csv", target)
        self.assertEqual(result.returncode, 1)
        self.assertIn(f"korvanel: Cannot write {target}: ", result.stderr.decode())
        self.assertEqual(sorted(os.listdir(self.path)), ["M72.json", "taken"])

    def test_an_earlier_table_is_replaced_whole(self):
        first = self.put("M72.json", FINISHED)
        self.put("class.csv", b"old table\r\n" * 1000)
        result = run("--collate", first, "--csv", os.path.join(self.path, "class.csv"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.table("class.csv"), [HEADER, ROWS[0]])


if __name__ == "__main__":
    unittest.main(verbosity=2)
