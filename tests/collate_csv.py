#!/usr/bin/env python3
"""The class's table from outside: `korvanel --collate` with no display, on
records written here by hand, its CSV read back by Python's csv module.
Usage: collate_csv.py PATH-TO-KORVANEL"""
import csv, io, json, os, subprocess, sys, tempfile

holder = tempfile.TemporaryDirectory()
folder, table = holder.name, os.path.join(holder.name, "class.csv")
environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
def run(record):  # no display, in a zone 5 h 30 min east of UTC (POSIX, without tzdata)
    return subprocess.run([sys.argv[1], "--collate", record, "--csv", table], capture_output=True,
                          env=dict(environment, TZ="IST-5:30"), timeout=60)

# Checks of questions 1 and 2: (field's place, verdict or None for unreadable).
fields = ["totalLactate", "glucoseCost", "liverGlycogenCost", "muscleGlycogenCost"]
def put(name, code, started, stage, checks, size=None):
    data = json.dumps({"format": "korvanel practice record", "version": 1, "code": code,
        "started": started, "updated": started, "stage": stage, "checks": [
            {"time": started, "question": min(f + 1, 2), "field": fields[f], "entry": "1",
             "value": None if v is None else 1, "verdict": v} for f, v in checks]}).encode()
    open(os.path.join(folder, name), "wb").write(data[:size])

put("a.json", "M72-0.8-12.4", "2026-12-31T20:00:00.000Z", 12, [(0, "notYet"), (1, "correct"),
    (2, "slip"), (3, None), (3, "correct"), (2, "carriedForward")])
put("b.json", "W60-0.4-10.0", "2026-12-08T17:41:23.512Z", 2, [(0, None), (0, "close"),
    (1, "correct")])
put("c.json", "W60-0.4-10.0", "2026-12-08T17:41:23.512Z", 2, [], size=99)
result = run(folder)
assert result.returncode == 1 and result.stderr.decode().splitlines() == [
    f"korvanel: Skipped {folder}/c.json: It is cut short: its JSON ends unfinished "
    "(unterminated string)."], result
data = open(table, "rb").read()
assert not data.startswith(b"\xef\xbb\xbf") and data.count(b"\n") == data.count(b"\r\n") == 3
rows = list(csv.reader(io.StringIO(data.decode(), newline=""), strict=True))
assert data.decode().split("\r\n")[:-1] == [",".join(row) for row in rows], "nothing quoted"
none = ["not checked"] * 8
assert rows == [["Code", "Started"] + [f"Question {q} {which}" for q in range(1, 7)
                                       for which in ("first", "last")] + ["Score", "Finished"],
    ["M72-0.8-12.4", "2027-01-01 01:30", "Not yet", "Not yet", "Correct / Not yet / Correct",
     "Correct / Carried forward / Correct"] + none + ["0 of 6", "yes"],
    ["W60-0.4-10.0", "2026-12-08 23:11", "Close", "Close"]
    + ["Correct / not checked / not checked"] * 2 + none + ["0 of 6", "no"]], rows

assert run(f"{folder}/a.json").returncode == 0 and open(table, "rb").read().count(b"\r\n") == 2
table = f"{folder}/a.json/class.csv"  # under a plain file
result = run(f"{folder}/a.json")
assert result.returncode == 1 and f"Cannot write {table}: ".encode() in result.stderr
print("collate_csv: all passed")
