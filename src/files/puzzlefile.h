#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

// The puzzle file (".qtl"): the quotation line, the grid shape, the number map, title,
// byline, copyright, cell labels, every answer word with its clue, and the seed. Saving
// composes the file as the output editor's lines and writes them; loading reads the file
// into the output editor and rebuilds the puzzle from the quotation, then lays the stored
// answer words into the stored cells.
//
// Within a number-map line an unmapped letter in the middle of a word is written as "0 ",
// so that the letters after it keep their columns; the reader keeps such a letter in the
// answer table without a cell, as it was when saved.

inline constexpr const char* kPuzzleFileHeader =
    "! This file made by Quotella 3.0 program. DO NOT EDIT!";
inline constexpr const char* kStoredSeed = "1500";
// The line after the header in a file whose grid letters are the quotation's letters
// folded to A-Z with runs of blanks collapsed, written only when that gives other letters
// than the rules of older files. A file without it is read with those older rules: only
// the quotation's A-Z letters, blanks as they are. Older readers skip the line, as they
// skip every line before "[QUOTE]".
inline constexpr const char* kFoldedLettersMarker = "! Letters folded to A-Z";

// Whether a file holding this quotation line needs kFoldedLettersMarker: folding gives
// its quotation other grid letters than the older rules do.
bool NeedsFoldedMarker(const std::string& quoteLine);

// The lines of the file for the puzzle as it stands, changing nothing: no box gets its
// default, the output editor keeps its text; `report`: a bad number-map value is reported.
std::vector<std::string> PuzzleFileLines(const PuzzleDocument& doc, const FileSession& session,
                                         bool report);

// Composes the file as the output editor's lines and returns them. An empty title or
// byline box gets its default here ("Untitled", "by Anonymous").
std::vector<std::string> ComposePuzzleFile(PuzzleDocument& doc, FileSession& session);

// Writes the output editor's text to path, in Windows-1252 while every character fits and
// the puzzle was not read as UTF-8, otherwise as UTF-8 with a byte-order mark. On success
// the path becomes the current puzzle file, the last file and (its folder) the current
// folder; on failure the host shows "Could not save file PATH: REASON" and PuzzleChanged
// stays as it was.
bool WritePuzzleFile(PuzzleDocument& doc, FileSession& session, const std::string& path);

// Save > Puzzle: compose, the save dialog (a puzzle never saved is offered under its
// author's name), the overwrite question, the write.
void Puzzle2Click(PuzzleDocument& doc, FileSession& session);

// Composes and writes to path without a dialog or question (the command line). False
// when there is no puzzle or the write failed.
bool SavePuzzleAs(PuzzleDocument& doc, FileSession& session, const std::string& path);

// Open > Puzzle: with ConfirmBeforeLoad the question and the open dialog, otherwise the
// current puzzle file directly. True when a puzzle was loaded.
bool Puzzle1Click(PuzzleDocument& doc, FileSession& session);

// Loads CurrentPuzzleFile without asking (start-up and the puzzle browser).
bool SimplyLoadPuzzle(PuzzleDocument& doc, FileSession& session);

// Reads path into the output editor and loads it, without a question or a dialog (the
// command line). "Could not load file " when it cannot be read.
bool LoadPuzzleFile(PuzzleDocument& doc, FileSession& session, const std::string& path);

// Rebuilds the puzzle from the lines held by the output editor. Every check that can
// refuse the file runs before the current puzzle is cleared, so a refused file leaves
// the document as it was (and the loads above keep the file names that go with it).
// True when a puzzle was loaded.
bool LoadPuzzleFromEditor(PuzzleDocument& doc, FileSession& session);

// At closing: "Puzzle file has changed.  Save it?" with Yes, No and Cancel when the answers
// changed. False when the program must stay open: Cancel (or Esc), or a save asked for that
// did not happen (cancelled or failed), so the changes are still unsaved and wanted.
bool OfferToSavePuzzleOnClose(PuzzleDocument& doc, FileSession& session);

// CommonMark of every cell: its quotation word is one of the common short words.
void MarkCommonWords(Tpuzzle& p);

}  // namespace quotella
