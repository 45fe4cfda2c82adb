#!/usr/bin/env python3
"""The readers the fuzz targets cover, and their line coverage from llvm-cov.

  fuzz_coverage.py --targets        the fuzz targets that cover a reader
  fuzz_coverage.py --report BUILD   line coverage per reader from BUILD/profiles
"""
import os
import re
import subprocess
import sys

# Reader, fuzz target, source file, and the functions of that file that read (a regular
# expression on the demangled name; "." for the whole file).
READERS = [
    ("puzzle file", "puzzlefile", "src/files/puzzlefile.cpp",
     r"LoadPuzzleFromEditor|PrepareLoad|ParseNumberMapLine|WordFitsRow|LayStoredWord|"
     r"CheckStoredLabels"),
    ("puzzle file sections", "puzzlefile", "src/files/puzzlesections.cpp",
     r"ScanSections|ScanWrittenLayout|ForEachTagIn|ExactTag|TextAfter|LineAfter|SectionLines"),
    ("puzzle grid section", "puzzlefile", "src/files/gridsection.cpp",
     r"ReadGridShape|ApplyGridShape|GridShows"),
    ("settings text", "settings", "src/settings/initext.cpp",
     r"SetText|Reindex|KeyStart|HasValue|GetIniValue|IsKeyLine|Trimmed|MayBeKey|KeyHash|"
     r"NextLine|Empty|ScanForKey"),
    ("settings values", "settings", "src/settings/settingsstore.cpp",
     r"ReadIniFile\b|ParseIniFile|IsLetterOrder"),
    ("quotation line", "quoteline", "src/core/quoteparse.cpp", r"."),
    ("quotes file", "textfiles", "src/files/quotesfile.cpp", r"OpenQuotesFile|SaveQuotesFile|SetFolder"),
    ("word list", "textfiles", "src/search/wordlists.cpp",
     r"LoadWordListFile|SaveWordListFile|WordList::Assign"),
    ("letter file", "textfiles", "src/search/wordsource.cpp",
     r"LoadLetterWords|LoadNormalised|NormaliseDictLine|ReadWordFileText|SortNoCase|LessNoCase"),
    ("rich text", "rtf", "src/rtf/rtfreader.cpp", r"."),
    ("ipuz file", "ipuz", "src/formats/ipuzimport.cpp", r"."),
    ("browser synopsis", "synopsis", "src/files/inforeport.cpp", r"MakeInfoReport"),
    ("familiarity.txt", "familiarity", "src/search/wordsource.cpp", r"Familiarity::(Load|SizeOf)"),
    ("known.txt", "familiarity", "src/search/knownwords.cpp", r"KnownWords::(Load|Knows)"),
    ("offensive.txt", "offensive", "src/search/autofillsource.cpp", r"LoadOffensiveWords|OffensiveWordsOf"),
    ("recent-puzzles line", "recentpuzzles", "src/settings/recentpuzzles.cpp", r"."),
    ("dictionary rewrite", "dictrewrite", "src/search/wordlisteditor.cpp",
     r"Expunge|KillItems|FindInLetterFile|Initial|CopyChecks"),
    ("scored word list", "scoredlist", "src/search/scoredlist.cpp", r"."),
]

ROW = re.compile(r"^(?P<name>.+?)\s+\d+\s+\d+\s+(?:[\d.]+%|-)\s+(?P<lines>\d+)\s+(?P<miss>\d+)"
                 r"\s+(?:[\d.]+%|-)(?:\s+\d+\s+\d+\s+(?:[\d.]+%|-))?\s*$")


def targets():
    seen = []
    for _, target, _, _ in READERS:
        if target not in seen:
            seen.append(target)
    return seen


def function_lines(build, target, source):
    """(name, lines, missed lines) of each function of source that the target holds."""
    # The build records its sources relative to itself.
    here = os.getcwd()
    out = subprocess.run(
        ["llvm-cov", "report", "-show-functions", "-Xdemangler=c++filt",
         f"-path-equivalence={os.path.abspath(build)}/../..,{here}",
         f"-instr-profile={build}/profiles/{target}.profdata", f"{build}/bin/{target}_fuzz",
         os.path.abspath(source)],
        check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        m = ROW.match(line)
        if m and not line.startswith(("Name", "TOTAL", "---", "File")):
            rows.append((m.group("name"), int(m.group("lines")), int(m.group("miss"))))
    return rows


def report(build):
    failing = 0
    print(f"{'reader':<22} {'target':<14} {'lines':>6} {'covered':>8}  source")
    for reader, target, source, functions in READERS:
        pattern = re.compile(functions)
        total = missed = 0
        for name, lines, miss in function_lines(build, target, source):
            if pattern.search(name):
                total += lines
                missed += miss
        share = 100.0 * (total - missed) / total if total else 0.0
        failing += share < 85.0
        print(f"{reader:<22} {target:<14} {total:>6} {share:>7.1f}%  {source}")
    print(f"{failing} reader(s) below 85% line coverage")


if __name__ == "__main__":
    if sys.argv[1:] == ["--targets"]:
        print(" ".join(targets()))
    elif len(sys.argv) == 3 and sys.argv[1] == "--report":
        report(sys.argv[2])
    else:
        sys.exit(__doc__)
