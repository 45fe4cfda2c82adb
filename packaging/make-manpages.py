#!/usr/bin/env python3
"""Writes the manual pages quotella(1) and quotella-cli(1).

The commands and options of quotella-cli come from the program itself (its "help"
command), so the page never drifts from the program; the prose around them comes from the
page sources in man/. Each page is written as NAME.1 and, compressed reproducibly, NAME.1.gz.

    make-manpages.py --cli PATH/quotella-cli --version X.Y --source DIR --out DIR
"""
import argparse
import gzip
import pathlib
import re
import subprocess


def roff_text(text):
    """A line of plain text as roff: backslashes and hyphens escaped, no request at its start."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def cli_help(cli):
    return subprocess.run([cli, "help"], check=True, capture_output=True, text=True).stdout


def commands_of(help_text):
    """The help's usage blocks as (command, [lines]), in the help's order."""
    blocks = []
    for line in help_text.splitlines():
        start = re.match(r"^  quotella-cli (\S+)", line)
        if start:
            if not blocks or blocks[-1][0] != start.group(1):
                blocks.append((start.group(1), []))
            blocks[-1][1].append(line.strip())
        elif blocks and line.startswith("   ") and line.strip():
            blocks[-1][1].append(line.strip())
    return blocks


def is_usage(line):
    """A line of a command's synopsis, as opposed to its description."""
    return line.startswith(("quotella-cli ", "[", "("))


def synopsis_line(line):
    """A synopsis line with "quotella-cli COMMAND" in bold."""
    if not line.startswith("quotella-cli "):
        return roff_text(line)
    head, _, rest = line.partition(" ")
    command, space, rest = rest.partition(" ")
    return "\\fB" + roff_text(head + " " + command) + "\\fR" + space + roff_text(rest)


def command_body(lines):
    """The command's synopsis lines kept as they are, each description as one paragraph."""
    out = []
    for k, line in enumerate(lines):
        usage = is_usage(line)
        starts_synopsis = usage and (k == 0 or not is_usage(lines[k - 1]))
        if starts_synopsis and k > 0:
            out.append(".br")
        if starts_synopsis:
            out.append(".nf")
        if not usage and k > 0 and is_usage(lines[k - 1]):
            out.append(".fi")
        out.append(synopsis_line(line) if usage else roff_text(line))
    if lines and is_usage(lines[-1]):
        out.append(".fi")
    return out


def commands_section(blocks):
    out = []
    for name, lines in blocks:
        out.append(".TP")
        out.append("\\fB" + roff_text(name) + "\\fR")
        out.extend(command_body(lines))
    return "\n".join(out)


def summary_of(help_text):
    first = help_text.splitlines()[0] if help_text else ""
    return first.split(": ", 1)[1] if ": " in first else first


def write_page(out_dir, name, text):
    page = out_dir / (name + ".1")
    page.write_text(text, encoding="utf-8")
    with open(str(page) + ".gz", "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as gz:
            gz.write(text.encode("utf-8"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--source", required=True, type=pathlib.Path)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    args = parser.parse_args()

    help_text = cli_help(args.cli)
    blocks = commands_of(help_text)
    if not blocks:
        raise SystemExit("make-manpages: the help of " + args.cli + " lists no command")
    fields = {
        "@VERSION@": args.version,
        "@SUMMARY@": roff_text(summary_of(help_text)),
        "@COMMANDS@": commands_section(blocks),
        "@COMMAND_NAMES@": ", ".join("\\fB" + roff_text(n) + "\\fR" for n, _ in blocks),
    }
    args.out.mkdir(parents=True, exist_ok=True)
    for name in ("quotella", "quotella-cli"):
        text = (args.source / (name + ".1.in")).read_text(encoding="utf-8")
        for key, value in fields.items():
            text = text.replace(key, value)
        write_page(args.out, name, text)


if __name__ == "__main__":
    main()
