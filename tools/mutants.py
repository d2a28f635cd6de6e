#!/usr/bin/env python3
"""How strong the test suite is: plants small faults in the game's code, one at a time, and counts
how many of them the suite notices.

    tools/mutants.py list [--seed N] [--count N]    prints a fresh mutant list (keep it in a file)
    tools/mutants.py run [--list FILE] [--only N,..] [--timeout S] [--build DIR] [--root DIR]

A mutant is one small change to one line of game/, screens/, toolkit/ or layout/: a comparison
flipped, a constant off by one, a statement dropped, two statements swapped or a branch negated.
The list is drawn from the sources with a fixed seed, spread over the files by their size, so the
same sources always give the same list; `run` reads the kept list (tools/mutants.list) so that runs
before and after a change of the tests are measured on the same mutants.

For each mutant, `run` changes the line, rebuilds incrementally in its own build tree and runs the
suite (everything but the install checks) with a time limit. The mutant is killed when a test
fails, survives when all pass, timed out when the suite hits the limit, and stillborn when it does
not compile (not counted). The source file is put back after every mutant, and whatever happens
(an error, Ctrl+C, a kill by SIGTERM).
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["game", "screens", "toolkit", "layout"]
KINDS = ["flip-comparison", "off-by-one", "drop-statement", "swap-statements", "negate-branch"]

FLIPS = {"<=": ">", ">=": "<", "==": "!=", "!=": "==", "<": ">=", ">": "<="}
COMPARISON = re.compile(r"(?<![<>=!\-])(<=|>=|==|!=|<|>)(?![<>=])")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
STATEMENT = re.compile(
    r"^\s+(?!return\b|const\b|constexpr\b|static\b|auto\b|int\b|bool\b|double\b|case\b|break\b|"
    r"continue\b|using\b|QString\b|std::|for\b|if\b|while\b|else\b|switch\b)"
    r"[\w:.\->\[\]*&]+\s*(\(|=|\+=|-=|\+\+|--)[^;{}]*;\s*$")
IF_LINE = re.compile(r"^(\s*(?:\}\s*else\s+)?if\s*\()(.*)(\)\s*\{\s*)$")


def code_lines(text):
    """Lines that are code: not comments, includes, or inside a block comment."""
    lines = text.split("\n")
    result = []
    for i, line in enumerate(lines):
        stripped = line.strip()
        if (not stripped or stripped.startswith("//") or stripped.startswith("#")
                or stripped.startswith("*") or stripped.startswith("/*")):
            continue
        result.append((i, line.split("//")[0].rstrip() if "//" in line and '"' not in line
                       else line))
    return lines, result


def candidates(path, text):
    """Every mutant a file offers, as (kind, line index, original line(s), replacement)."""
    lines, code = code_lines(text)
    found = []
    for i, line in code:
        if "template" in line or "include" in line or "operator" in line or "<<" in line:
            continue
        if '"' not in line and "static_cast<" not in line and "std::" not in line:
            for m in COMPARISON.finditer(line):
                op = m.group(1)
                mutated = line[:m.start()] + FLIPS[op] + line[m.end():]
                found.append(("flip-comparison", i, [lines[i]], [mutated]))
        if '"' not in line and "[" not in line:
            for m in NUMBER.finditer(line):
                mutated = line[:m.start()] + str(int(m.group(1)) + 1) + line[m.end():]
                found.append(("off-by-one", i, [lines[i]], [mutated]))
        if STATEMENT.match(lines[i]):
            found.append(("drop-statement", i, [lines[i]], [""]))
            if i + 1 < len(lines) and STATEMENT.match(lines[i + 1]):
                found.append(("swap-statements", i, [lines[i], lines[i + 1]],
                              [lines[i + 1], lines[i]]))
        m = IF_LINE.match(lines[i])
        if m and m.group(2).count("(") == m.group(2).count(")"):
            found.append(("negate-branch", i, [lines[i]],
                          [m.group(1) + "!(" + m.group(2) + ")" + m.group(3)]))
    return found


def sources(root):
    files = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith(".cpp"):
                files.append(os.path.join(folder, name))
    return files


def make_list(root, seed, count):
    rng = random.Random(seed)
    pool = {}
    weights = {}
    for rel in sources(root):
        text = open(os.path.join(root, rel), encoding="utf-8").read()
        offered = candidates(rel, text)
        if offered:
            pool[rel] = offered
            weights[rel] = text.count("\n")
    chosen = []
    seen = set()
    files = sorted(pool)
    while len(chosen) < count:
        rel = rng.choices(files, weights=[weights[f] for f in files])[0]
        kind = rng.choice(KINDS)
        offered = [c for c in pool[rel] if c[0] == kind] or pool[rel]
        mutant = rng.choice(offered)
        key = (rel, mutant[1], mutant[0], tuple(mutant[3]))
        if key in seen:
            continue
        seen.add(key)
        chosen.append((rel,) + mutant)
    return chosen


def encode(mutant):
    rel, kind, index, old, new = mutant
    return "\t".join([rel, str(index + 1), kind, repr(old), repr(new)])


def decode(line):
    rel, number, kind, old, new = line.rstrip("\n").split("\t")
    return rel, kind, int(number) - 1, eval(old), eval(new)  # our own file, written by encode


class Restorer:
    """Puts a mutated file back on every way out."""

    def __init__(self):
        self.path = None
        self.original = None
        for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(sig, self.on_signal)

    def mutate(self, path, text):
        self.path = path
        self.original = open(path, encoding="utf-8").read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    def restore(self):
        if self.path is not None:
            with open(self.path, "w", encoding="utf-8") as f:
                f.write(self.original)
            self.path = None

    def on_signal(self, signum, frame):
        self.restore()
        sys.exit(128 + signum)


def run(args):
    root = os.path.abspath(args.root)
    build = os.path.abspath(args.build)
    mutants = [decode(l) for l in open(args.list, encoding="utf-8") if l.strip()]
    only = {int(n) for n in args.only.split(",")} if args.only else None
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["cmake", "-S", root, "-B", build, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build], check=True, stdout=subprocess.DEVNULL)
    restorer = Restorer()
    results = {"killed": [], "survived": [], "timed out": [], "stillborn": [], "stale": []}
    started = time.time()
    try:
        for number, (rel, kind, index, old, new) in enumerate(mutants, 1):
            if only is not None and number not in only:
                continue
            path = os.path.join(root, rel)
            lines = open(path, encoding="utf-8").read().split("\n")
            where = f"{number:3d} {rel}:{index + 1} {kind}"
            if lines[index:index + len(old)] != old:
                results["stale"].append(where)
                print(f"{where}: stale (the line has changed)", flush=True)
                continue
            lines[index:index + len(old)] = new
            restorer.mutate(path, "\n".join(lines))
            try:
                built = subprocess.run(["cmake", "--build", build], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL).returncode == 0
                if not built:
                    outcome = "stillborn"
                else:
                    try:
                        tested = subprocess.run(
                            ["ctest", "--test-dir", build, "-j", str(os.cpu_count() or 1),
                             "--stop-on-failure", "-E", "^install_"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env,
                            timeout=args.timeout)
                        outcome = "survived" if tested.returncode == 0 else "killed"
                    except subprocess.TimeoutExpired:
                        outcome = "timed out"
            finally:
                restorer.restore()
            change = " / ".join(l.strip() for l in old) + "  ->  " + (
                " / ".join(l.strip() for l in new) or "(dropped)")
            results[outcome].append(f"{where}: {change}")
            print(f"{where}: {outcome}", flush=True)
        # Leave the build tree matching the sources again.
        subprocess.run(["cmake", "--build", build], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
    finally:
        restorer.restore()
    minutes = (time.time() - started) / 60
    counted = len(results["killed"]) + len(results["survived"]) + len(results["timed out"])
    print(f"\n{counted} mutants run in {minutes:.0f} min: killed {len(results['killed'])}, "
          f"survived {len(results['survived'])}, timed out {len(results['timed out'])} "
          f"(stillborn {len(results['stillborn'])}, stale {len(results['stale'])})")
    for what in ("survived", "timed out"):
        for line in results[what]:
            print(f"{what}: {line}")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    lister = sub.add_parser("list")
    lister.add_argument("--seed", type=int, default=17)
    lister.add_argument("--count", type=int, default=48)
    lister.add_argument("--root", default=ROOT)
    runner = sub.add_parser("run")
    runner.add_argument("--list", default=os.path.join(ROOT, "tools", "mutants.list"))
    runner.add_argument("--only", default="")
    runner.add_argument("--timeout", type=int, default=300)
    runner.add_argument("--root", default=ROOT)
    runner.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    args = parser.parse_args()
    if args.command == "list":
        for mutant in make_list(os.path.abspath(args.root), args.seed, args.count):
            print(encode(mutant))
        return 0
    return run(args)


if __name__ == "__main__":
    sys.exit(main())
