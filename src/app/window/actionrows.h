#pragma once

#include <functional>
#include <vector>

namespace quotella {

struct WindowParts;

inline constexpr unsigned kNotSynced = ~0u;

// One command of the window.
struct ActionRow {
  const char* name;      // object name of the action; the hotkey table binds by it
  const char* menu;      // main menu caption ("&Open", ...) or the name of a context menu
  const char* caption;   // the menu text as shown, UTF-8 ("&" marks the access key)
  const char* shortcut;  // default shortcut in portable text, or ""
  std::function<void(WindowParts&)> handler;
  bool hidden = false;  // exists (and its shortcut works) but is not shown
  // When the command can run; null: always. Checked whenever the document changes.
  std::function<bool(const WindowParts&)> enabled = nullptr;
  // A file or list operation: the editors and lists it reads or writes (touches::…),
  // the only ones synced with the session around it. kNotSynced: no sync at all.
  unsigned editors = kNotSynced;
};

// The window's commands as data: the main menus' rows in their order, then the context
// menus' rows and the word lists' menus.
std::vector<ActionRow> ActionRows();

}  // namespace quotella
