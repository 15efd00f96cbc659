#!/usr/bin/env python3
"""Turns GNU units checks whose tolerance exceeds 1 % into source notes.

A tolerance that wide means GNU units follows another reference for the
unit; such a line is no cross-check, so its expression moves into the source
field with the size of the difference. Usage: tools/demote-loose-checks.py FILE...
"""
import re
import sys

for name in sys.argv[1:]:
    out, changed = [], 0
    for line in open(name, encoding="utf-8"):
        fields = line.rstrip("\n").split("|")
        if line.lstrip().startswith("#") or len(fields) != 11 or '"' in line:
            out.append(line)
            continue
        m = re.match(r"\s*(.*?)\s*~\s*([0-9.eE+-]+)\s*$", fields[9])
        if m and float(m.group(2)) > 0.01:
            fields[9] = " "
            fields[10] = (f" {fields[10].strip()}; ohne Gegenprobe: GNU units '{m.group(1)}' folgt einer "
                          f"anderen Quelle (bis {float(m.group(2)) * 100:g} % Abweichung)")
            line = "|".join(fields) + "\n"
            changed += 1
        out.append(line)
    open(name, "w", encoding="utf-8").write("".join(out))
    print(f"{name}: {changed}")
