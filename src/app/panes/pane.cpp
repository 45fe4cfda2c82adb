#include "app/panes/pane.h"

#include <QEvent>

namespace quotella {

Pane::Pane(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
}

void Pane::track(QWidget* control) {
  m_tracked << control;
  control->installEventFilter(this);
  follow();
}

bool Pane::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) follow();
  return QWidget::eventFilter(watched, event);
}

void Pane::follow() {
  bool any = false;
  for (QWidget* w : m_tracked) any = any || !w->isHidden();
  if (isHidden() == !any) return;
  setVisible(any);
}

}  // namespace quotella
