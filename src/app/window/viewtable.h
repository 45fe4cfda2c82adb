#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class QWidget;

namespace quotella {

struct WindowParts;

// The pages of the window's middle area, in their order in its stacked widget; kSame
// leaves the page in front as it is.
enum class MiddlePage { kSame = -1, kPanes = 0, kGrid = 1 };

// One view of the window: what it hides, then what it shows, the page of the middle area
// it brings to the front, then what else it does.
struct ViewRow {
  const char* name;
  // Controls by object name, or groups of controls by "@group" (see viewtable.cpp).
  QStringList hide;
  QStringList show;
  // The rest of the view (texts, focus, sounds, the choices that depend on the state);
  // the argument is the list or help topic number of the views that take one.
  std::function<void(WindowParts&, int)> then = nullptr;
  // False: the view is not opened at all (it may say why).
  std::function<bool(WindowParts&)> allowed = nullptr;
  MiddlePage page = MiddlePage::kSame;
};

// The views of the main window as data (viewtable.cpp): switching a view hides and shows
// controls by its row, so every view is named once with what it shows and hides.
class ViewTable {
 public:
  explicit ViewTable(WindowParts& parts);

  static std::vector<ViewRow> Rows();

  // Opens a view by name; false when its row refused, or (reported) when no view has
  // that name.
  bool show(const QString& view, int arg = 0);
  // The controls a name or "@group" stands for; a name that stands for nothing is
  // reported.
  QList<QWidget*> controls(const QString& name) const;
  // "View:name" for each name of the rows that stands for no control or group.
  QStringList unresolvedNames() const;
  // Adds or replaces a group of controls (a room that adds controls to a view).
  void setGroup(const QString& group, const QList<QWidget*>& controls);
  // Adds a view row, or replaces the row of the same name.
  void addRow(const ViewRow& row);

 private:
  QList<QWidget*> find(const QString& name) const;
  static void NarrowWideOutput(WindowParts& w);
  static void AnswerTableUnlessEditor(WindowParts& w);
  static bool NotInGridView(WindowParts& w);
  // The list label names the list in view: the clues or word list n.
  static void LabelShownList(WindowParts& w);

  WindowParts& m_parts;
  std::vector<ViewRow> m_rows;
  std::map<QString, QList<QWidget*>> m_groups;
};

}  // namespace quotella
