#!/usr/bin/python3
"""Reads a memcheck XML report and decides which of its findings are Wordrow's own.

A finding is ours when any frame of its stack is in the repository's src/ folder or in the
wordrow binary (our code and what was compiled into it). Prints valgrind's error and leak
summaries, each finding of ours with its stack, and exits with 1 when there is one, 2 when the
report cannot be read, else 0. Possibly lost blocks are reported but fail the run only when ours.

    memcheck_report.py REPORT.xml REPOSITORY BINARY
"""

import os
import sys
import xml.etree.ElementTree as ElementTree

LEAK_KINDS = {
    "Leak_DefinitelyLost": "definitely lost",
    "Leak_IndirectlyLost": "indirectly lost",
    "Leak_PossiblyLost": "possibly lost",
}


class Frame:
    def __init__(self, element):
        self.ip = element.findtext("ip", "")
        self.obj = element.findtext("obj", "")
        self.fn = element.findtext("fn", "")
        self.dir = element.findtext("dir", "")
        self.file = element.findtext("file", "")
        self.line = element.findtext("line", "")

    def source(self):
        if not self.file:
            return ""
        return os.path.join(self.dir, self.file) if self.dir else self.file

    def describe(self):
        where = self.source()
        if where:
            where += ":" + self.line if self.line else ""
        else:
            where = self.obj
        return f"{self.fn or self.ip} ({where})"


class Finding:
    def __init__(self, element):
        self.kind = element.findtext("kind", "")
        xwhat = element.find("xwhat")
        if xwhat is not None:
            self.what = xwhat.findtext("text", "")
            self.bytes = int(xwhat.findtext("leakedbytes", "0"))
            self.blocks = int(xwhat.findtext("leakedblocks", "0"))
        else:
            self.what = element.findtext("what", "")
            self.bytes = 0
            self.blocks = 0
        # The first stack is where it happened; a memory error may add where the block came from.
        self.stacks = [
            [Frame(f) for f in stack.findall("frame")] for stack in element.findall("stack")
        ]
        self.unique = element.findtext("unique", "")

    def is_leak(self):
        return self.kind.startswith("Leak_")


def is_inside(path, folder):
    path = os.path.realpath(path)
    return path == folder or path.startswith(folder + os.sep)


def is_our_frame(frame, source_dir, binary):
    if frame.source() and is_inside(frame.source(), source_dir):
        return True
    return bool(frame.obj) and os.path.realpath(frame.obj) == binary


def read_report(path):
    root = ElementTree.parse(path).getroot()
    if root.tag != "valgrindoutput":
        raise ValueError(f"{path} is not a valgrind XML report")
    findings = [Finding(e) for e in root.findall("error")]
    # Each error context counts as often as valgrind saw it; leaks once per record.
    counts = {}
    for pair in root.findall("errorcounts/pair"):
        counts[pair.findtext("unique", "")] = int(pair.findtext("count", "0"))
    suppressions = {
        p.findtext("name", ""): int(p.findtext("count", "0"))
        for p in root.findall("suppcounts/pair")
    }
    finished = any(s.findtext("state") == "FINISHED" for s in root.findall("status"))
    return findings, counts, suppressions, finished


def main(argv):
    if len(argv) != 4:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    report, repository, binary = argv[1:]
    source_dir = os.path.realpath(os.path.join(repository, "src"))
    binary = os.path.realpath(binary)
    try:
        findings, counts, suppressions, finished = read_report(report)
    except (OSError, ElementTree.ParseError, ValueError) as error:
        print(f"memcheck: cannot read the report {report}: {error}", file=sys.stderr)
        return 2
    if not finished:
        print(
            f"memcheck: the report {report} has no end: the program did not finish",
            file=sys.stderr,
        )
        return 2

    errors = [f for f in findings if not f.is_leak()]
    leaks = [f for f in findings if f.kind in LEAK_KINDS]
    error_count = sum(counts.get(f.unique, 1) for f in errors) + len(leaks)
    print(
        f"ERROR SUMMARY: {error_count} errors from {len(errors) + len(leaks)} contexts "
        f"(suppressed: {sum(suppressions.values())} from {len(suppressions)})"
    )
    for name, count in sorted(suppressions.items()):
        print(f"   suppressed {count} by {name}")
    print("LEAK SUMMARY:")
    for kind, name in LEAK_KINDS.items():
        records = [f for f in leaks if f.kind == kind]
        total = sum(f.bytes for f in records)
        blocks = sum(f.blocks for f in records)
        print(f"   {name + ':':17}{total:,} bytes in {blocks:,} blocks ({len(records)} records)")

    def ours(finding):
        return any(
            is_our_frame(frame, source_dir, binary) for stack in finding.stacks for frame in stack
        )

    failing = [f for f in errors + leaks if ours(f)]
    print(
        f"Memory errors: {len(errors)}, leak records: {len(leaks)}; "
        f"ours: {len(failing)}"
    )
    for finding in failing:
        print()
        print(f"{finding.kind}: {finding.what}")
        for index, stack in enumerate(finding.stacks):
            if index:
                print("  ---")
            for frame in stack:
                mark = "*" if is_our_frame(frame, source_dir, binary) else " "
                print(f" {mark} {frame.describe()}")
    return 1 if failing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
