"""Checks JSON documents against a JSON Schema (draft 2020-12).

Usage: check_schema.py SCHEMA valid|invalid FILE...

Exits 0 when the schema itself is sound and every file is valid (or, with
"invalid", every file is refused); otherwise says which file and why.
"""
import json
import sys

from jsonschema import Draft202012Validator


def main(schema_path, expected, paths):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    Draft202012Validator.check_schema(schema)
    validator = Draft202012Validator(schema)
    failed = False
    for path in paths:
        with open(path, encoding="utf-8") as f:
            errors = [e.message for e in validator.iter_errors(json.load(f))]
        if (expected == "valid") != (not errors):
            failed = True
            print(f"{path}: expected {expected}: {errors[:3]}", file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
