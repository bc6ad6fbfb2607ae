#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the test suite's strength: applies each mutation of a list alone to
the source, rebuilds, runs the suite and says whether a test caught it.

    tools/mutate.py [--list tools/mutations.tsv] [--build build-mutate] [--who] [--tests REGEX] [N ...]

Each line of the list is `file<TAB>original<TAB>replacement` (\\n and \\t
escapes allowed); the original must stand exactly once in the file. Lines
starting with # are comments. With numbers given, only those lines' mutations
run. The source is always restored, also when interrupted. With --who the
whole suite runs after each mutation and the failing test functions are named,
to see which tests alone catch a fault; --tests runs only the CTest tests
whose names match (a quick look while working on one folder's tests).
"""
import argparse
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_list(path):
    mutations = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        file, original, replacement = line.split("\t")
        mutations.append((number, file, unescape(original), unescape(replacement)))
    return mutations


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, **kwargs)


def build(directory):
    return run(["cmake", "--build", directory, "-j2"]).returncode == 0


def failures(directory, who, only=None):
    """The failing tests (test functions with who), empty when the suite passes."""
    # To stop at the first failure, run one test at a time in the order they are
    # declared, quick ones first; run in parallel, CTest starts the longest first.
    tests = run(["ctest", "--test-dir", directory, "--timeout", "600"]
                + (["-j2", "--output-on-failure"] if who else ["-j1", "--stop-on-failure"])
                + (["-R", only] if only else []))
    if tests.returncode == 0:
        return []
    named = re.findall(r"^FAIL!  : (\S+?)\(", tests.stdout, re.M) if who else []
    named += re.findall(r"^\s+\d+ - (\S+) \(", tests.stdout, re.M) if who else []
    return sorted(set(named)) or ["suite"]


def verdict(number, file, original, replacement, directory, who, only):
    path = ROOT / file
    source = path.read_text(encoding="utf-8")
    if source.count(original) != 1:
        return "stale (the original is not in the file exactly once)"
    try:
        path.write_text(source.replace(original, replacement), encoding="utf-8")
        if not build(directory):
            return "does not build"
        failed = failures(directory, who, only)
        return "caught" + (" by " + ", ".join(failed) if who else "") if failed else "survived"
    finally:
        path.write_text(source, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=str(ROOT / "tools/mutations.tsv"))
    parser.add_argument("--build", default="build-mutate")
    parser.add_argument("--who", action="store_true", help="name the tests that catch each")
    parser.add_argument("--tests", help="run only the tests whose names match")
    parser.add_argument("only", nargs="*", type=int)
    args = parser.parse_args()

    configure = run(["cmake", "-S", ".", "-B", args.build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                     "-DSIETARI_BENCH=OFF"])
    if configure.returncode != 0 or not build(args.build) or failures(args.build, False, args.tests):
        sys.exit("the unmutated source must build and pass its tests first")

    results = {}
    for number, file, original, replacement in read_list(pathlib.Path(args.list)):
        if args.only and number not in args.only:
            continue
        result = verdict(number, file, original, replacement, args.build, args.who,
                         args.tests)
        results.setdefault(result.split(" by ")[0], []).append(number)
        print(f"line {number:3}: {result:9}  {file}: {original.strip()[:60]!r}", flush=True)
    build(args.build)  # leave the build matching the restored source

    caught = len(results.get("caught", []))
    counted = caught + len(results.get("survived", []))
    print(f"\n{caught} of {counted} mutations caught"
          + (f" ({100 * caught // counted}%)" if counted else ""))
    for result, numbers in sorted(results.items()):
        if result != "caught":
            print(f"{result}: lines {', '.join(map(str, numbers))}")


if __name__ == "__main__":
    main()
