#!/usr/bin/env python3
"""Checks that every quoted include of the sources stays within the layout table of README.md:
a file of a folder may include the headers of its own folder and of the targets that folder's row
lists under "may use", and a test also those of TestSupport. Prints each crossing and exits 1 when
there is one."""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def layout_rows(readme):
    """(folder, target, allowed targets) for each row of the table under "## Layout"."""
    section = readme.split("## Layout", 1)[1].split("\n## ", 1)[0]
    rows = []
    for line in section.splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) != 4 or not cells[0].startswith("`"):
            continue
        folder = cells[0].strip("`")
        target = re.match(r"`([^`]+)`", cells[1]).group(1)
        rows.append((folder, target, set(re.findall(r"[A-Za-z]+", cells[3]))))
    return rows


def sources(folder):
    for directory, _, files in os.walk(os.path.join(ROOT, folder)):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(directory, name)


def main():
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as readme:
        rows = layout_rows(readme.read())
    if not rows:
        print("check-layout: no layout table in README.md")
        return 1
    owner = {}  # header name -> the folder holding it
    for folder, _, _ in rows:
        for path in sources(folder):
            if path.endswith(".h"):
                owner[os.path.basename(path)] = folder
    target_of = {folder: target for folder, target, _ in rows}
    crossings = 0
    for folder, _, allowed in rows:
        for path in sources(folder):
            usable = allowed | {"TestSupport"} if f"{os.sep}tests{os.sep}" in path else allowed
            with open(path, encoding="utf-8", errors="replace") as source:
                text = source.read()
            for match in INCLUDE.finditer(text):
                header_folder = owner.get(os.path.basename(match.group(1)))
                if header_folder in (None, folder) or target_of[header_folder] in usable:
                    continue
                line = text.count("\n", 0, match.start()) + 1
                print(f"{os.path.relpath(path, ROOT)}:{line}: includes {match.group(1)} of "
                      f"{header_folder}, which {folder} may not use")
                crossings += 1
    return 1 if crossings else 0


if __name__ == "__main__":
    sys.exit(main())
