#!/usr/bin/env python3
"""How strong the test suite is: plants small faults in the game's code, one at a time, and counts
how many of them the suite notices.

    tools/mutants.py list [--seed N] [--count N]    prints a fresh mutant list (keep it in a file)
    tools/mutants.py run [--list FILE] [--only N,..] [--timeout S] [--build DIR] [--root DIR]
    tools/mutants.py selftest                       checks how a mutant finds its line

A mutant is one small change to one line of game/, screens/, toolkit/ or layout/: a comparison
flipped, a constant off by one, a statement dropped, two statements swapped or a branch negated.
The list is drawn from the sources with a fixed seed, spread over the files by their size, so the
same sources always give the same list; `run` reads the kept list (tools/mutants.list) so that runs
before and after a change of the tests are measured on the same mutants.

A mutant follows its line's text, not its number, so that a list drawn before code moves still
holds after: `run` takes the line(s) at the recorded number if they are still there, else the
occurrence in the same file nearest to it, else the one occurrence in the other sources of the
folders above (a line that moved to another file, perhaps at another indentation). A mutant whose
text is found nowhere, or more than once in the other files, is stale.

`run` first checks that the suite passes on the sources as they are. Then, for each mutant, it
changes the line, rebuilds the test programs incrementally in its own build tree and runs the suite
(everything but the install checks), quick tests first, with a time limit. The mutant is killed
when a test fails (the tests that failed are named), survives when all pass, timed out when the
suite hits the limit, and stillborn when it does not compile (not counted). The source file is put
back after every mutant, and whatever happens (an error, Ctrl+C, a kill by SIGTERM).
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


def sources(root, endings=(".cpp",)):
    files = []
    for folder in FOLDERS:
        if not os.path.isdir(os.path.join(root, folder)):
            continue
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith(endings):
                files.append(os.path.join(folder, name))
    return files


def occurrences(lines, old):
    """Where the run of lines `old` starts in `lines`; a line matches when its text is the same but
    for the whitespace around it, since code moved into another block is indented anew."""
    wanted = [l.strip() for l in old]
    return [i for i in range(len(lines) - len(old) + 1)
            if [l.strip() for l in lines[i:i + len(old)]] == wanted]


def locate(root, rel, index, old, new):
    """Finds a mutant's line(s) by their text, as (file, index, the file's lines with the mutant in
    them), or (None, why) when they cannot be told apart or are gone."""
    def mutated(rel, lines, at):
        found = lines[at:at + len(old)]
        changed = [n if f == o else f.replace(o.strip(), n.strip(), 1).rstrip()
                   for f, o, n in zip(found, old, new)]
        return rel, at, lines[:at] + changed + lines[at + len(old):]

    def read(rel):
        path = os.path.join(root, rel)
        return open(path, encoding="utf-8").read().split("\n") if os.path.isfile(path) else None

    lines = read(rel)
    if lines is not None:
        if lines[index:index + len(old)] == old:
            return mutated(rel, lines, index)
        here = occurrences(lines, old)
        if here:
            return mutated(rel, lines, min(here, key=lambda i: (abs(i - index), i)))
    # Gone from its own file: the code may have moved to another one, headers included.
    elsewhere = []
    for other in sources(root, (".cpp", ".h")):
        if other != rel:
            other_lines = read(other)
            elsewhere += [(other, other_lines, i) for i in occurrences(other_lines, old)]
    if len(elsewhere) == 1:
        return mutated(*elsewhere[0])
    if elsewhere:
        return None, "its line is in " + ", ".join(f"{r}:{i + 1}" for r, _, i in elsewhere)
    return None, "its line is gone"


def make_list(root, seed, count, only_files=None):
    rng = random.Random(seed)
    pool = {}
    weights = {}
    for rel in only_files or sources(root):
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


class Suite:
    """The test programs of a build tree, run quick ones first: most mutants are killed by a test
    that takes a second, and none then waits for the soak."""

    SLOW_SECONDS = 10

    def __init__(self, build, env):
        self.build_dir = build
        self.env = env
        listed = subprocess.run(["ctest", "--test-dir", build, "-N"], capture_output=True,
                                text=True, check=True).stdout
        self.tests = [t for t in re.findall(r"Test\s+#\d+: (\S+)", listed)
                      if not t.startswith("install_")]
        self.slow = []

    def ctest(self, names, timeout):
        pattern = "^(" + "|".join(re.escape(n) for n in names) + ")$"
        # A session of its own, so that a time-out takes the test programs down with ctest.
        process = subprocess.Popen(["ctest", "--test-dir", self.build_dir, "-j",
                                    str(os.cpu_count() or 1), "--stop-on-failure", "-R", pattern],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   env=self.env, start_new_session=True)
        try:
            return process.wait(timeout=timeout) == 0
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise

    def passes_unmutated(self):
        """Runs the whole suite once on the sources as they are, and learns which tests are slow."""
        started = time.time()
        if not self.ctest(self.tests, None):
            return False
        costs = {}
        with open(os.path.join(self.build_dir, "Testing", "Temporary", "CTestCostData.txt")) as f:
            for line in f:
                parts = line.split()
                if len(parts) == 3:
                    costs[parts[0]] = float(parts[2])
        self.slow = [t for t in self.tests if costs.get(t, 0) > self.SLOW_SECONDS]
        print(f"suite green without mutants in {time.time() - started:.0f} s; "
              f"run last: {', '.join(self.slow) or 'none'}", flush=True)
        return True

    def build(self):
        """Rebuilds what the tests run (not the benchmarks or the installer's extras)."""
        targets = [t for t in self.tests if t.startswith("tst_")]
        return subprocess.run(["cmake", "--build", self.build_dir, "--target"] + targets,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def failed(self):
        """The tests that failed in the last run, as ctest noted them."""
        path = os.path.join(self.build_dir, "Testing", "Temporary", "LastTestsFailed.log")
        try:
            with open(path) as f:
                return [line.strip().split(":", 1)[-1] for line in f if line.strip()]
        except OSError:
            return []

    def run(self, timeout):
        """The mutant's fate, and the tests that killed it."""
        deadline = time.time() + timeout
        quick = [t for t in self.tests if t not in self.slow]
        try:
            for group in (quick, self.slow):
                if group and not self.ctest(group, max(1, deadline - time.time())):
                    return "killed", self.failed()
            return "survived", []
        except subprocess.TimeoutExpired:
            return "timed out", []


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
    suite = Suite(build, env)
    if not suite.passes_unmutated():
        print("the suite fails without any mutant; fix it first", file=sys.stderr)
        return 1
    restorer = Restorer()
    results = {"killed": [], "survived": [], "timed out": [], "stillborn": [], "stale": []}
    started = time.time()
    try:
        for number, (rel, kind, index, old, new) in enumerate(mutants, 1):
            if only is not None and number not in only:
                continue
            where = f"{number:3d} {rel}:{index + 1} {kind}"
            located = locate(root, rel, index, old, new)
            if located[0] is None:
                results["stale"].append(where)
                print(f"{where}: stale ({located[1]})", flush=True)
                continue
            found, at, mutated = located
            if (found, at) != (rel, index):
                where = f"{number:3d} {found}:{at + 1} {kind} (listed at {rel}:{index + 1})"
            restorer.mutate(os.path.join(root, found), "\n".join(mutated))
            try:
                outcome, killers = ("stillborn", []) if not suite.build() else suite.run(args.timeout)
            finally:
                restorer.restore()
            change = " / ".join(l.strip() for l in old) + "  ->  " + (
                " / ".join(l.strip() for l in new) or "(dropped)")
            results[outcome].append(f"{where}: {change}")
            print(f"{where}: {outcome}" + (f" by {', '.join(killers)}" if killers else ""),
                  flush=True)
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


def selftest():
    """Checks, on a made-up tree, how a mutant finds its line after the code has moved."""
    import tempfile
    mutant = ("screens/a.cpp", 2, ["    x = 1;", "    y = 2;"], ["    y = 2;", "    x = 1;"])
    rows = [  # name, files, expected (file, line number, the swapped lines) or None for stale
        ("at its number", {"screens/a.cpp": "f {\n  z();\n    x = 1;\n    y = 2;\n}"},
         ("screens/a.cpp", 3, ["    y = 2;", "    x = 1;"])),
        ("moved within the file, nearest taken",
         {"screens/a.cpp": "    x = 1;\n    y = 2;\n\n\n\n\n\n    x = 1;\n    y = 2;\n"},
         ("screens/a.cpp", 1, ["    y = 2;", "    x = 1;"])),
        ("moved to another file, re-indented",
         {"screens/a.cpp": "f {\n}", "game/m.cpp": "g {\n  if (q) {\n        x = 1;\n"
                                                     "        y = 2;\n  }\n}"},
         ("game/m.cpp", 3, ["        y = 2;", "        x = 1;"])),
        ("own file gone", {"game/m.h": "\tx = 1;\n\ty = 2;"},
         ("game/m.h", 1, ["\ty = 2;", "\tx = 1;"])),
        ("half the run gone", {"screens/a.cpp": "    x = 1;\n    y = 3;\n"}, None),
        ("in two other files", {"game/m.cpp": "x = 1;\ny = 2;", "layout/l.cpp": "x = 1;\ny = 2;"},
         None),
    ]
    failures = 0
    for name, files, expected in rows:
        with tempfile.TemporaryDirectory() as root:
            for rel, text in files.items():
                os.makedirs(os.path.join(root, os.path.dirname(rel)), exist_ok=True)
                with open(os.path.join(root, rel), "w", encoding="utf-8") as f:
                    f.write(text)
            found = locate(root, *mutant)
            got = None if found[0] is None else (
                found[0], found[1] + 1, found[2][found[1]:found[1] + 2])
            if got != expected:
                failures += 1
                print(f"FAIL {name}: expected {expected}, got {got}")
    # A one-line mutant re-indented: only the text changes, the new indentation stays.
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, "game"))
        with open(os.path.join(root, "game", "m.cpp"), "w", encoding="utf-8") as f:
            f.write("      if (n >= 3) {\n")
        located = locate(root, "screens/a.cpp", 9, ["  if (n >= 3) {"], ["  if (n < 3) {"])
        got = located[2][0] if located[0] else None
        if got != "      if (n < 3) {":
            failures += 1
            print(f"FAIL one line re-indented: got {got!r}")
    print(f"selftest: {len(rows) + 1 - failures} of {len(rows) + 1} pass")
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    lister = sub.add_parser("list")
    lister.add_argument("--seed", type=int, default=17)
    lister.add_argument("--count", type=int, default=48)
    lister.add_argument("--root", default=ROOT)
    lister.add_argument("--files", default="",
                        help="draw only from these files (comma-separated, relative to the root)")
    runner = sub.add_parser("run")
    runner.add_argument("--list", default=os.path.join(ROOT, "tools", "mutants.list"))
    runner.add_argument("--only", default="")
    runner.add_argument("--timeout", type=int, default=300)
    runner.add_argument("--root", default=ROOT)
    runner.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    sub.add_parser("selftest")
    args = parser.parse_args()
    if args.command == "selftest":
        return selftest()
    if args.command == "list":
        for mutant in make_list(os.path.abspath(args.root), args.seed, args.count,
                                [f for f in args.files.split(",") if f]):
            print(encode(mutant))
        return 0
    return run(args)


if __name__ == "__main__":
    sys.exit(main())
