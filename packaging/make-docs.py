#!/usr/bin/env python3
"""Writes the package's copyright file and its changelog.

The copyright file follows Debian's machine-readable format: our notice, then SCOWL's
notice (the dictionary is made from SCOWL) as Debian's scowl package ships it, and
WordNet's licence (the definitions), each line indented as a licence text must be. The changelog is compressed reproducibly.

    make-docs.py --template copyright.in --scowl FILE --wordnet FILE --version X.Y --date YYYY-MM-DD
                 --maintainer "Name <mail>" --set KEY=VALUE... --out DIR
"""
import argparse
import datetime
import gzip
import pathlib


def licence_text(text):
    """Free text as the body of a licence paragraph: one space in front, '.' for a blank line."""
    lines = [line.rstrip() for line in text.splitlines()]
    while lines and not lines[-1]:
        lines.pop()
    return "\n".join(" " + line if line else " ." for line in lines)


def wordnet_licence(copyright_file):
    """The licence paragraph of the WordNet package's machine-readable copyright file,
    unindented: its first 'License: WordNet' stanza, up to the next field."""
    lines = copyright_file.splitlines()
    out = []
    inside = False
    for line in lines:
        if line.startswith("License: WordNet"):
            inside = True
            continue
        if inside:
            if not line.startswith(" "):
                break
            body = line[1:]
            out.append("" if body == "." else body)
    if not out:
        raise SystemExit("make-docs: no WordNet licence in the copyright file given")
    return "\n".join(out)


def changelog(version, date, maintainer):
    day = datetime.datetime.strptime(date, "%Y-%m-%d").replace(tzinfo=datetime.timezone.utc)
    stamp = day.strftime("%a, %d %b %Y %H:%M:%S +0000")
    return (f"quotella ({version}) unstable; urgency=medium\n\n"
            f"  * Release {version}. The release notes are in\n"
            f"    /usr/share/metainfo/org.quotella.Quotella.metainfo.xml.\n\n"
            f" -- {maintainer}  {stamp}\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True, type=pathlib.Path)
    parser.add_argument("--scowl", required=True, type=pathlib.Path)
    parser.add_argument("--wordnet", required=True, type=pathlib.Path)
    parser.add_argument("--version", required=True)
    parser.add_argument("--date", required=True)
    parser.add_argument("--maintainer", required=True)
    parser.add_argument("--set", action="append", default=[], metavar="KEY=VALUE")
    parser.add_argument("--out", required=True, type=pathlib.Path)
    args = parser.parse_args()

    text = args.template.read_text(encoding="utf-8")
    fields = dict(item.split("=", 1) for item in args.set)
    fields["SCOWL_NOTICE"] = licence_text(args.scowl.read_text(encoding="utf-8", errors="replace"))
    fields["WORDNET_NOTICE"] = licence_text(wordnet_licence(args.wordnet.read_text(encoding="utf-8", errors="replace")))
    fields["QUOTELLA_LICENSE_TEXT"] = licence_text(fields.get("QUOTELLA_LICENSE_TEXT", ""))
    for key, value in fields.items():
        text = text.replace("@" + key + "@", value)
    leftover = [w for w in text.split() if len(w) > 2 and w.startswith("@") and w.endswith("@")]
    if leftover:
        raise SystemExit("make-docs: no value for " + ", ".join(leftover))

    args.out.mkdir(parents=True, exist_ok=True)
    (args.out / "copyright").write_text(text, encoding="utf-8")
    with open(args.out / "changelog.gz", "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as gz:
            gz.write(changelog(args.version, args.date, args.maintainer).encode("utf-8"))


if __name__ == "__main__":
    main()
