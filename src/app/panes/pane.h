#pragma once

#include <QWidget>

namespace quotella {

// A room of the main window: a container whose controls share one region and take
// turns. The room shows itself while any of its controls is shown and steps aside when
// all are hidden, so that a neighbour (a wide editor, the puzzle grid) takes its space.
// Views therefore only show and hide controls; the rooms follow.
class Pane : public QWidget {
  Q_OBJECT
 public:
  explicit Pane(const QString& name, QWidget* parent = nullptr);

  // Adds a control to the room and follows its visibility.
  void track(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow();
  QList<QWidget*> m_tracked;
};

}  // namespace quotella
