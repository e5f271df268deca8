#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs tamsel-cli on a table of calls and validates every JSON line it
writes against the schema of its kind, shipped in docs/schema. Then takes
out of each schema in turn each key of a closed object, each fixed word and
each alternative form (a number or its digits, an object or null): some
line must fail without it. So a key the program writes and a schema lacks
fails the first check, and a key, word or form the table never produces
fails the second.

Usage: json_schema_check.py TAMSEL-CLI SCHEMA-DIR
Exit status 0 when every line is valid, 1 otherwise, 77 (skipped) without
python3-jsonschema."""

import copy
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
# One line per refusal of an expression, between answers.
EXPRESSION_LINES = (
    "(1+sqrt(5))/2\n1/(2-2)\nsqrt(2)*sqrt(3)\nsqrt(1+sqrt(2))\nsqrt(-3)\n2^(1/2)\n"
    "10^10^10\n3/4 +\n-sqrt(7)\n"
)
# One line per refusal of --batch --pell, between answers.
PELL_LINES = "7\n13 -4\n1 2 3\nx\n7 y\n0\n16\n13 0\n13 100000001\n61\n"
# Ninety ones and a two read back are Fibonacci numbers beyond 2^53.
LONG_EXPANSION = "[1; " + ", ".join(["1"] * 90) + ", 2]"

# (schema, arguments, standard input); every line must match the schema,
# except that a batch line with "error" is checked against batch-error
# (pell-batch: the answers against pell).
CASES = [
    ("window", ["--json", "1", "2", "0", "1"], ""),
    ("window", ["--json", "--variant", "2", "7", "-1", "3"], ""),
    ("window", ["--json", "1", "2", "0", "0"], ""),
    ("window", ["--json", "1", "-2", "0", "1"], ""),
    ("window", ["--json", "1.5", "2", "0", "1"], ""),
    ("window", ["--json", "1e300", "1e300", "0", "1"], ""),
    ("window", ["--json", "0", "0", "355", "113"], ""),
    ("window", ["--json", "1e400", "2", "0", "1"], ""),
    ("window", ["--json", "-1", "2", "0", "1"], ""),
    ("window", ["--json", "1", "2566", "0", "1"], ""),
    ("window", ["--json", "0", "0", "9007199254740994", "1"], ""),
    ("window", ["--json", "1", "2", "3000000000", "1"], ""),
    ("exact", ["--exact", "--json", "1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--trace", "--convergents", "3", "0", "0", "4", "6"], ""),
    ("exact", ["--exact", "--json", "--max-steps", "2", "1", "2566", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--variant", "--max-steps", "50", "--convergents", "5", "1", BIG, "0", "1"], ""),
    ("exact", ["--exact", "--json", "--fields", "inputs", "9007199254740992", "1", "-9007199254740991", "1"], ""),
    ("exact", ["--exact", "--json", "--fields", "end,periodLength", "1", "1000000000039", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--nearest", "--convergents", "6", "1", "7", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--best", "1000", "--errors", "--convergents", "4", "1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--semiconvergents", "--errors", "--convergents", "5", "1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--best", BIG, "--max-steps", "3", "--digits", "12", "-1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--fields", "best,digits", "1", "2", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--trace=surd", "--errors", "1", "7", "0", "1"], ""),
    ("exact", ["--exact", "--json", "--trace=surd", "--nearest", "0", "0", "355", "113"], ""),
    ("exact", ["--exact", "--json", "--trace=surd", "--max-steps", "3", "3", BIG, "1", "2"], ""),
    ("exact", ["--exact", "--json", "--semiconvergents", "--digits", "3", "0", "0", "355", "113"], ""),
    ("exact", ["--exact", "--json", "--best", "100", "1/(2+sqrt(3))"], ""),
    ("exact", ["--exact", "--json", "--best", BIG, "--convergents", "60", "1", "2", "0", "1"], ""),
    ("batch-answer", ["--batch", "--max-steps", "40"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "--trace", "--fields", "line,inputs,period,trace"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "--variant", "--threads", "3", "--convergents", "0"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "FILE", "-", "FILE"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "40", "--nearest", "--trace=surd", "--best", "50",
                      "--semiconvergents", "--errors", "--digits", "8"], BATCH_LINES),
    ("batch-answer", ["--batch", "--max-steps", "3", "--best", BIG, "--fields", "line,best"], BATCH_LINES),
    ("batch-answer", ["--batch", "--expr", "--max-steps", "40", "--convergents", "3"], EXPRESSION_LINES),
    ("batch-answer", ["--batch", "--expr", "--fields", "line,inputs,end", "EXPRFILE", "-"], EXPRESSION_LINES),
    ("pell", ["--pell", "--json", "7"], ""),
    ("pell", ["--pell", "--json", "13"], ""),
    ("pell", ["--pell", "--json", "100000000000000000001"], ""),
    ("pell", ["--pell", "--json", "--precision", "5", "1000000000039"], ""),
    ("pell", ["--pell", "--json", "--fields", "d,unitOrderD,regulatorOrderD", "21"], ""),
    ("pell", ["--pell", "--json", "--norm", "-4", "13"], ""),
    ("pell", ["--pell", "--json", "--solutions", "4", "61"], ""),
    ("pell", ["--pell", "--json", "--norm", "9", "--solutions", "2", "13"], ""),
    ("pell-batch", ["--batch", "--pell"], PELL_LINES),
    ("pell-batch", ["--batch", "--pell", "--norm", "-4"], PELL_LINES),
    ("pell-batch", ["--batch", "--pell", "--fields", "line,unit,regulator"], PELL_LINES),
    ("pell-batch", ["--batch", "--pell", "--max-steps", "3"], "7\n94\n94 2\n"),
    ("pell-batch", ["--batch", "--pell", "PELLFILE", "-"], PELL_LINES),
    ("from", ["--from", "[1; 2]", "--json"], ""),
    ("from", ["--from", "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]", "--json"], ""),
    ("from", ["--variant", "--from", "x = [-3; 3, 2, 2, 2, 2, 2, 4   Periode 2 2 2 2 2 4 ]", "--json"], ""),
    ("from", ["--nearest", "--from", "[2; -3, -3]", "--json"], ""),
    ("from", ["--from", LONG_EXPANSION, "--json"], ""),
]

SCHEMAS = ("window", "exact", "batch-answer", "batch-error", "pell", "from")


def schema_of(kind, value):
    if kind == "batch-answer" and "error" in value:
        return "batch-error"
    if kind == "pell-batch":
        return "batch-error" if "error" in value else "pell"
    return kind


def run_cases(cli, files):
    """The lines written by the calls of the table, by schema, and the number of calls without output."""
    lines = {name: [] for name in SCHEMAS}
    failures = 0
    for kind, args, stdin in CASES:
        args = [files.get(a, a) for a in args]
        run = subprocess.run([cli] + args, input=stdin.encode(), capture_output=True, check=False)
        out = run.stdout.decode("utf-8").splitlines()
        if not out:
            print(f"keine Ausgabe: {args}\n  {run.stderr.decode('utf-8')[:300]}")
            failures += 1
        for text in out:
            value = json.loads(text)
            lines[schema_of(kind, value)].append((args, text, value))
    return lines, failures


def mutations(node, path=()):
    """Each way of taking one key of a closed object, one fixed word or one
    alternative form out: (description, path to its list, what)."""
    if isinstance(node, dict):
        for key, sub in node.items():
            if key == "properties" and node.get("additionalProperties") is False:
                for name in sub:
                    yield (f"Schlüssel {name}", path + (key,), name)
            if key == "enum":
                for word in sub:
                    yield (f"Wort {json.dumps(word)}", path + (key,), word)
            if key == "oneOf":
                for choice in sub:
                    yield (f"Form {json.dumps(choice)[:60]}", path + (key,), choice)
            if key not in ("if", "then", "else", "not"):
                yield from mutations(sub, path + (key,))
    elif isinstance(node, list):
        for i, sub in enumerate(node):
            yield from mutations(sub, path + (i,))


def without(schema, path, what):
    changed = copy.deepcopy(schema)
    node = changed
    for step in path:
        node = node[step]
    if isinstance(node, dict):
        del node[what]
    else:
        node.remove(what)
    return changed


def main():
    cli, schema_dir = sys.argv[1], sys.argv[2]
    schemas = {}
    for name in SCHEMAS:
        with open(os.path.join(schema_dir, name + ".schema.json"), encoding="utf-8") as f:
            schemas[name] = json.load(f)
        Draft202012Validator.check_schema(schemas[name])
    with tempfile.TemporaryDirectory() as folder:
        files = {"FILE": BATCH_LINES, "EXPRFILE": EXPRESSION_LINES, "PELLFILE": PELL_LINES}
        for key, text in files.items():
            files[key] = os.path.join(folder, key.lower() + ".txt")
            with open(files[key], "w", encoding="utf-8") as f:
                f.write(text)
        lines, failures = run_cases(cli, files)

    for name, schema in schemas.items():
        validator = Draft202012Validator(schema)
        for args, text, value in lines[name]:
            for error in validator.iter_errors(value):
                print(f"{name} {args}: {error.message} bei {list(error.path)}\n  {text[:300]}")
                failures += 1
        for description, path, what in mutations(schema):
            weaker = Draft202012Validator(without(schema, path, what))
            if all(weaker.is_valid(value) for _, _, value in lines[name]):
                print(f"{name}: ohne {description} ({'/'.join(map(str, path))}) fällt keine Zeile durch")
                failures += 1
    print(f"{len(CASES)} Aufrufe, {sum(map(len, lines.values()))} Zeilen geprüft, {failures} Fehler")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
