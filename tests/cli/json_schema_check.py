#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs tamsel-cli on a table of calls and validates every JSON line it
writes against the schema of its kind, shipped in docs/schema.

Usage: json_schema_check.py TAMSEL-CLI SCHEMA-DIR
Exit status 0 when every line is valid, 1 otherwise, 77 (skipped) without
python3-jsonschema."""

import json
import os
import subprocess
import sys
import tempfile

try:
    from jsonschema import Draft202012Validator
except ImportError:
    print("python3-jsonschema fehlt: übersprungen")
    sys.exit(77)

BIG = "100000000000000000000000000000000000000000001"
BATCH_LINES = (
    "1 2 0 1\n1 2 x 1\n0 0 355 113\n1 3 0\n1 2 0 0\n1 -2 0 1\n1 2 0.5 1\n"
    f"1 {BIG} 0 1\n9007199254740992 9007199254740991 -9007199254740992 7\n"
)

# (schema, arguments, standard input); every line must match the schema,
# except that a batch line with "error" is checked against batch-error.
CASES = [
    ("window", ["--json", "1", "2", "0", "1"], ""),
    ("window", ["--json", "--variant", "2", "7", "-1", "3"], ""),
    ("window", ["--json", "1", "2", "0", "0"], ""),
    ("window", ["--json", "1", "-2", "0", "1"], ""),
    ("window", ["--json", "1.5", "2", "0", "1"], ""),
    ("window", ["--json", "1e300", "1e300", "0", "1"], ""),
    ("window", ["--json", "0", "0", "355", "113"], ""),
    ("exact", ["--exact", "--json", "1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--trace", "--convergents", "3", "0", "0", "4", "6"], ""),
    ("exact", ["--exact", "--json", "--max-steps", "2", "1", "2566", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--variant", "--max-steps", "50", "--convergents", "5", "1", BIG, "0", "1"], ""),
    ("exact", ["--exact", "--json", "--fields", "inputs", "9007199254740992", "1", "-9007199254740991", "1"], ""),
    ("exact", ["--exact", "--json", "--fields", "end,periodLength", "1", "1000000000039", "0", "1"], ""),
    ("batch-answer", ["--batch", "--max-steps", "40"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "--trace", "--fields", "line,inputs,period,trace"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "--variant", "--threads", "3", "--convergents", "0"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "FILE", "-", "FILE"], BATCH_LINES),
]


def main():
    cli, schema_dir = sys.argv[1], sys.argv[2]
    validators = {}
    for name in ("window", "exact", "batch-answer", "batch-error"):
        with open(os.path.join(schema_dir, name + ".schema.json"), encoding="utf-8") as f:
            schema = json.load(f)
        Draft202012Validator.check_schema(schema)
        validators[name] = Draft202012Validator(schema)
    failures = 0
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as lines:
        lines.write(BATCH_LINES)
    try:
        for kind, args, stdin in CASES:
            args = [lines.name if a == "FILE" else a for a in args]
            run = subprocess.run([cli] + args, input=stdin.encode(), capture_output=True, check=False)
            out = run.stdout.decode("utf-8").splitlines()
            if not out:
                print(f"keine Ausgabe: {args}")
                failures += 1
            for text in out:
                value = json.loads(text)
                name = "batch-error" if kind == "batch-answer" and "error" in value else kind
                for error in validators[name].iter_errors(value):
                    print(f"{name} {args}: {error.message} bei {list(error.path)}\n  {text[:300]}")
                    failures += 1
    finally:
        os.unlink(lines.name)
    print(f"{len(CASES)} Aufrufe geprüft, {failures} Fehler")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
