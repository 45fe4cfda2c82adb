#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quotella {

// Stored shortcut values: a virtual-key code plus modifier bits.
inline constexpr int kShiftBit = 8192;
inline constexpr int kCtrlBit = 16384;
inline constexpr int kAltBit = 32768;
inline constexpr int kKeyMask = 0xFF;

// "Ctrl+Shift+F5" style text of a shortcut value (modifiers in the order Ctrl, Alt,
// Shift, as the toolkit writes them); empty for 0 and for a key code with no name.
std::string ShortcutToText(int value);
// The value of a key sequence text; modifiers in any order, names case-insensitive,
// common aliases ("Insert", "Delete", "PageUp", "Escape", "Control") accepted. nullopt for
// text that names no single key.
std::optional<int> TextToShortcut(const std::string& text);

// A hot-key box takes neither a bare key nor Shift+key: like the entry control, it adds
// Alt to such a combination. 0 (no shortcut) stays 0.
int HotkeyEntryValue(int value);

// One box of the "Short Cut Keys" window: its label and name, the value it shows each
// time the window opens, the menu items whose shortcut it sets when it changes, and
// those items' own shortcuts at start (0: none).
struct HotkeyBox {
  std::string label;
  std::string box;
  int shown;
  std::vector<std::string> items;
  int itemStartShortcut;
};

// The boxes, in window order.
const std::vector<HotkeyBox>& HotkeyBoxes();

// The shortcuts of the menu items the boxes re-bind, for the rest of the run. The boxes
// always open with their fixed values; a change re-binds at once; nothing is stored.
class HotkeyBindings {
 public:
  HotkeyBindings();
  // The box with that name changed to value: its items take the value. False for an
  // unknown box.
  bool BoxChanged(const std::string& box, int value);
  // The shortcut in force for a menu item (0: none); nullopt for an item no box binds.
  std::optional<int> ShortcutOf(const std::string& item) const;
  // The menu items whose shortcut is value.
  std::vector<std::string> ItemsWith(int value) const;

 private:
  std::map<std::string, int> m_shortcuts;
};

}  // namespace quotella
