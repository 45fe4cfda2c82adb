#include "settings/hotkeys.h"

#include <utility>

#include "core/textio.h"

namespace quotella {

namespace {

constexpr int kIns = 45, kDel = 46, kF1 = 112;

int Ctrl(char c) {
  return kCtrlBit + c;
}

// Named keys by virtual-key code, under the names the toolkit's key sequences use.
const std::vector<std::pair<int, std::string>>& KeyNames() {
  static const std::vector<std::pair<int, std::string>> names = [] {
    std::vector<std::pair<int, std::string>> n = {
        {8, "Backspace"}, {9, "Tab"},    {13, "Return"}, {19, "Pause"}, {27, "Esc"},
        {32, "Space"},    {33, "PgUp"},  {34, "PgDown"}, {35, "End"},   {36, "Home"},
        {37, "Left"},     {38, "Up"},    {39, "Right"},  {40, "Down"},  {44, "Print"},
        {kIns, "Ins"},    {kDel, "Del"}, {186, ";"},     {187, "="},    {188, ","},
        {189, "-"},       {190, "."},    {191, "/"},     {192, "`"},    {219, "["},
        {220, "\\"},      {221, "]"},    {222, "'"}};
    for (char c = '0'; c <= '9'; ++c) n.push_back({c, std::string(1, c)});
    for (char c = 'A'; c <= 'Z'; ++c) n.push_back({c, std::string(1, c)});
    for (int f = 1; f <= 24; ++f) n.push_back({kF1 + f - 1, "F" + std::to_string(f)});
    return n;
  }();
  return names;
}

const std::vector<std::pair<std::string, int>>& KeyAliases() {
  static const std::vector<std::pair<std::string, int>> aliases = {
      {"INSERT", kIns}, {"DELETE", kDel}, {"PAGEUP", 33}, {"PAGEDOWN", 34},
      {"PGDN", 34},     {"ESCAPE", 27},   {"ENTER", 13},  {"BACKSPACE", 8}};
  return aliases;
}

std::optional<int> KeyCode(const std::string& name) {
  const std::string upper = UpperCase(name);
  for (const auto& [code, n] : KeyNames())
    if (UpperCase(n) == upper) return code;
  for (const auto& [n, code] : KeyAliases())
    if (n == upper) return code;
  return std::nullopt;
}

}  // namespace

std::string ShortcutToText(int value) {
  const int key = value & kKeyMask;
  if (value <= 0 || key == 0) return {};
  std::string keyName;
  for (const auto& [code, n] : KeyNames())
    if (code == key) keyName = n;
  if (keyName.empty()) return {};
  std::string text;
  if (value & kCtrlBit) text += "Ctrl+";
  if (value & kAltBit) text += "Alt+";
  if (value & kShiftBit) text += "Shift+";
  return text + keyName;
}

std::optional<int> TextToShortcut(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  int modifiers = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t plus = t.find('+', start);
    // The last part is the key; a '+' at the very end has no key after it.
    if (plus == std::string::npos || plus + 1 == t.size()) break;
    const std::string mod = UpperCase(Trim(t.substr(start, plus - start)));
    int bit = 0;
    if (mod == "CTRL" || mod == "CONTROL") bit = kCtrlBit;
    if (mod == "ALT") bit = kAltBit;
    if (mod == "SHIFT") bit = kShiftBit;
    if (bit == 0 || (modifiers & bit)) return std::nullopt;
    modifiers |= bit;
    start = plus + 1;
  }
  const auto key = KeyCode(Trim(t.substr(start)));
  if (!key) return std::nullopt;
  return modifiers + *key;
}

int HotkeyEntryValue(int value) {
  if (value <= 0) return 0;
  const int modifiers = value & (kCtrlBit | kAltBit | kShiftBit);
  if (modifiers == 0 || modifiers == kShiftBit) return value | kAltBit;
  return value;
}

const std::vector<HotkeyBox>& HotkeyBoxes() {
  static const std::vector<HotkeyBox> boxes = {
      // The box shows Ins, the key of the two "Write Clue" items, so it re-binds those.
      {"Write/Edit Clue", "ClueEditHotKey", kIns, {"WriteClue3", "WriteClue2"}, kIns},
      {"Simple Scan", "ScanSimpleHotkey", kF1 + 8, {"Scan1"}, kF1 + 10},
      {"Scan Conditional", "ScanConditionsHotkey", kF1 + 9, {"ScanConditional"}, kF1 + 11},
      {"Clear Word", "ClearWordHotKey", kCtrlBit + kDel, {"ClearWord1"}, Ctrl('C')},
      {"Scan List 1", "Scan1Hotkey", kF1, {"ScanList11"}, kF1},
      {"Scan List 2", "Scan2Hotkey", kF1 + 1, {"ScanList21"}, kF1 + 1},
      {"Scan List 3", "Scan3Hotkey", kF1 + 2, {"ScanList31"}, kF1 + 2},
      {"Scan List 4", "Scan4Hotkey", kF1 + 3, {"ScanList41"}, kF1 + 3},
      {"Save Puzzle", "SavePuzzleHotkey", Ctrl('S'), {"Puzzle2"}, Ctrl('S')},
      {"Open Puzzle", "OpenPuzzleHotkey", Ctrl('O'), {"Puzzle1"}, 0},
      // The three boxes below act on the commands they are named after.
      {"Print Puzzle as Text", "PrintTextPuzzle", Ctrl('P'), {"AsText1"}, 0},
      {"Stretch Grid", "StretchGridHotKey", Ctrl('X'), {"StretchGrid1"}, Ctrl('X')},
      {"Squeeze Grid", "SqueezeGridHotkey", Ctrl('Z'), {"SqueezeGrid1"}, Ctrl('Z')},
      {"Shortcut keys", "HotkeyHotkey", Ctrl('H'), {"PuzzleHotkeys1"}, Ctrl('H')},
      {"Save Puzzle as Text",
       "SavePuzzleTextHotkey",
       Ctrl('T') + kAltBit,
       {"SavePuzzleasText1"},
       Ctrl('T') + kAltBit},
      {"Save Puzzle Key",
       "SavePuzzleKeyHotKey",
       Ctrl('K') + kAltBit,
       {"SavePuzzleKey1"},
       Ctrl('S') + kAltBit},
      {"General Settings", "SettingsHotkey", kAltBit + 'B', {"GeneralSettings1"}, 0},
      {"Save Settings",
       "SaveSettingsHotkey",
       kCtrlBit + kF1 + 1,
       {"InitFile1"},
       Ctrl('I') + kAltBit},
      {"Conditions On/Off", "ToggleConditionsHotkey", Ctrl('D'), {"ToggleConditonsX"}, Ctrl('D')},
      {"Puzzle View", "PuzzleViewHotkey", Ctrl('E'), {"Puzzle3"}, Ctrl('W')},
      {"Grid View", "GridViewHotkey", Ctrl('W'), {"Grid1"}, Ctrl('E')},
      {"Quotes View", "QuotesViewHotkey", Ctrl('Q'), {"Quotes3"}, Ctrl('Q')},
      {"Output Editor View", "OutPutHotKey", Ctrl('R'), {"Output1"}, Ctrl('R')},
      {"Initialization File View", "IniFileHotkey", Ctrl('I'), {"IniFile2"}, Ctrl('I')},
      {"Advance one Row", "RowAdvanceHotkey", kF1 + 4, {"RowAdvance"}, 0},
      {"Undo", "UndoHotkey", kAltBit + 8, {"Undo1"}, kAltBit + 8},
      {"Redo", "RedoHotkey", Ctrl('Z') + kShiftBit, {"Redo1"}, Ctrl('Z') + kShiftBit},
      {"Make Bitmap (BMP) ", "HotKey13", Ctrl('B'), {"MakeGridBitmap1"}, Ctrl('B')},
  };
  return boxes;
}

HotkeyBindings::HotkeyBindings() {
  for (const auto& b : HotkeyBoxes())
    for (const auto& item : b.items) m_shortcuts[item] = b.itemStartShortcut;
}

bool HotkeyBindings::BoxChanged(const std::string& box, int value) {
  for (const auto& b : HotkeyBoxes()) {
    if (b.box != box) continue;
    for (const auto& item : b.items) m_shortcuts[item] = value;
    return true;
  }
  return false;
}

std::optional<int> HotkeyBindings::ShortcutOf(const std::string& item) const {
  const auto it = m_shortcuts.find(item);
  if (it == m_shortcuts.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> HotkeyBindings::ItemsWith(int value) const {
  std::vector<std::string> items;
  for (const auto& [item, v] : m_shortcuts)
    if (v == value && value != 0) items.push_back(item);
  return items;
}

}  // namespace quotella
