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
                          env=dict(environment, TZ="IST-5:30", LANGUAGE="en"), timeout=60)

fields = {"totalLactate": 1, "glucoseCost": 2, "liverGlycogenCost": 2, "muscleGlycogenCost": 2}
def put(name, code, started, stage, checks, student=None, size=None):
    """checks: (field, entry, verdict or None for unreadable), as the judge gives them."""
    record = {"format": "korvanel practice record", "version": 2 if student else 1, "code": code,
              "started": started, "updated": started, "stage": stage, "checks": [
                  {"time": started, "question": fields[f], "field": f, "entry": e,
                   "value": None if v is None else float(e), "verdict": v} for f, e, v in checks]}
    if student:
        record.update(student=student[0], studentId=student[1])
    data = json.dumps(record).encode()
    open(os.path.join(folder, name), "wb").write(data[:size])

# A man of 72 kg, lactate 0.6 then 12.3 mmol/L: 159.8 mmol; 6, 7 and 8 ATP.
put("a.json", "M72-0.6-12.3", "2026-12-31T20:00:00.000Z", 12, [
    ("totalLactate", "150", "notYet"), ("glucoseCost", "6", "correct"),
    ("liverGlycogenCost", "6", "slip"), ("muscleGlycogenCost", "x", None),
    ("muscleGlycogenCost", "8", "correct"), ("liverGlycogenCost", "7", "correct")],
    student=("=Ana", "-20231"))
# A woman of 60 kg, 0.4 then 10.0: 106 is within 5 % of hers, not within 2 %.
put("b.json", "W60-0.4-10.0", "2026-12-08T17:41:23.512Z", 2, [
    ("totalLactate", "x", None), ("totalLactate", "106", "close"), ("glucoseCost", "6", "correct")])
put("c.json", "W60-0.4-10.0", "2026-12-08T17:41:23.512Z", 2, [], size=99)
put("e.json", "M72-0.6-12.3", "2026-12-30T20:00:00.000Z", 0, [("totalLactate", "150", "correct")],
    student=("Eve, the second", ""))
result = run(folder)
assert result.returncode == 1 and result.stderr.decode().splitlines() == [
    f"korvanel: {folder}/c.json is left out. The file is cut short: its JSON ends unfinished "
    "(unterminated string).",
    f"korvanel: The record {folder}/e.json was edited. Check 1 says \"Correct\", but its entry "
    "\"150\" earns \"Not yet\". The verdicts its entries earn are the ones shown."], result
data = open(table, "rb").read()
assert not data.startswith(b"\xef\xbb\xbf") and data.count(b"\n") == data.count(b"\r\n") == 4
rows = list(csv.reader(io.StringIO(data.decode(), newline=""), strict=True))
none = ["not checked"] * 8
assert rows == [["Name", "ID number", "Code", "Started"]
                + [f"Question {q} {which}" for q in range(1, 7) for which in ("first", "last")]
                + ["Score", "Right at the first try", "Finished", "Edited", "Counted"],
    ["", "", "W60-0.4-10.0", "2026-12-08T23:11:23+05:30", "Close", "Close"]
    + ["Correct / not checked / not checked"] * 2 + none + ["0", "0 of 6", "no", "no", "yes"],
    ["'=Ana", "'-20231", "M72-0.6-12.3", "2027-01-01T01:30:00+05:30", "Not yet", "Not yet",
     "Correct / Not yet / Correct", "Correct / Correct / Correct"] + none
    + ["0", "0 of 6", "yes", "no", "yes"],
    ["Eve, the second", "", "M72-0.6-12.3", "2026-12-31T01:30:00+05:30", "Not yet", "Not yet"]
    + ["not checked"] * 10
    + ["0", "0 of 6", "no", "yes", "yes"]], rows

assert run(f"{folder}/a.json").returncode == 0 and open(table, "rb").read().count(b"\r\n") == 2
table = f"{folder}/a.json/class.csv"  # under a plain file
result = run(f"{folder}/a.json")
assert result.returncode == 1 and f"Cannot write {table}: ".encode() in result.stderr
# The gradebook file of a class of six, as Moodle's import takes it: one line for each student,
# the ID number first, the score a plain number. A woman of 65 kg, 0.5 to 10.8 mmol/L: 127.4
# mmol; 6, 7 and 8 ATP. Ben and Dan were given one ID number, Cleo none, and Eve's would be a
# formula: each left out and named, never written with a guard that breaks the import.
for name in os.listdir(folder):
    os.remove(os.path.join(folder, name))
right = [("totalLactate", "127.4", "correct"), ("glucoseCost", "6", "correct"),
         ("liverGlycogenCost", "7", "correct"), ("muscleGlycogenCost", "8", "correct")]
gtp = [("glucoseCost", "4", "slip")]
put("ana.json", "W65-0.5-10.8", "2026-12-08T10:00:00.000Z", 12, right, student=("Ana Souza", "20231"))
put("ben.json", "W65-0.5-10.8", "2026-12-08T10:01:00.000Z", 12, gtp, student=("Ben Okafor", "20232"))
put("cleo.json", "W65-0.5-10.8", "2026-12-08T10:02:00.000Z", 12, right, student=("Cleo", ""))
put("dan.json", "W65-0.5-10.8", "2026-12-08T10:03:00.000Z", 12, right, student=("Dan", "20232"))
put("eve.json", "W65-0.5-10.8", "2026-12-08T10:04:00.000Z", 12, right, student=("Eve", "-0042"))
put("gus.json", "W65-0.5-10.8", "2026-12-08T10:05:00.000Z", 4, gtp, student=("=Gus", "20240"))
gradebook = os.path.join(holder.name, "gradebook.csv")
result = subprocess.run([sys.argv[1], "--collate", folder, "--gradebook", gradebook],
                        capture_output=True, env=dict(environment, TZ="IST-5:30", LANGUAGE="en"),
                        timeout=60)
assert result.returncode == 1 and result.stderr.decode().splitlines() == [
    "korvanel: Cleo is left out of the gradebook file: the attempt gives no ID number, by which "
    "the gradebook finds a student.",
    "korvanel: ID number 20232 is left out of the gradebook file: it is given to more than one "
    "student (Ben Okafor and Dan).",
    "korvanel: Eve is left out of the gradebook file: the ID number \"-0042\" would be read as a "
    "formula or holds a control character, and the gradebook would find nobody by it."], result
data = open(gradebook, "rb").read()
assert data == (b"ID number,Name,Score,Feedback\r\n"  # by name, "=Gus" before "Ana"
                b"20240,'=Gus,0,0 of 6 questions right at the first try. Known slips met in 1 "
                b"question: 2.\r\n"
                b"20231,Ana Souza,2,2 of 6 questions right at the first try.\r\n"), data
print("collate_csv: all passed")
