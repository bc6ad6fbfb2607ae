#!/usr/bin/env python3
"""Measures the test suite's strength: applies each mutation of a list alone to
the source, rebuilds, runs the suite and says whether a test caught it.

    tools/mutate.py [--list tools/mutations.tsv] [--build build-mutate] [N ...]

Each line of the list is `file<TAB>original<TAB>replacement` (\\n and \\t
escapes allowed); the original must stand exactly once in the file. Lines
starting with # are comments. With numbers given, only those lines' mutations
run. The source is always restored, also when interrupted.
"""
import argparse
import pathlib
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


def suite_passes(directory):
    tests = run(["ctest", "--test-dir", directory, "-j2", "--timeout", "600", "--stop-on-failure"])
    return tests.returncode == 0


def verdict(number, file, original, replacement, directory):
    path = ROOT / file
    source = path.read_text(encoding="utf-8")
    if source.count(original) != 1:
        return "stale (the original is not in the file exactly once)"
    try:
        path.write_text(source.replace(original, replacement), encoding="utf-8")
        if not build(directory):
            return "does not build"
        return "survived" if suite_passes(directory) else "caught"
    finally:
        path.write_text(source, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=str(ROOT / "tools/mutations.tsv"))
    parser.add_argument("--build", default="build-mutate")
    parser.add_argument("only", nargs="*", type=int)
    args = parser.parse_args()

    configure = run(["cmake", "-S", ".", "-B", args.build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                     "-DSIETARI_BENCH=OFF"])
    if configure.returncode != 0 or not build(args.build) or not suite_passes(args.build):
        sys.exit("the unmutated source must build and pass its tests first")

    results = {}
    for number, file, original, replacement in read_list(pathlib.Path(args.list)):
        if args.only and number not in args.only:
            continue
        result = verdict(number, file, original, replacement, args.build)
        results.setdefault(result, []).append(number)
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
