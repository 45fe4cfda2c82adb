#pragma once

#include <QFrame>
#include <QStringList>
#include <vector>

class QLabel;

namespace quotella {

// A status bar made of text panels; a width of 0 lets a panel take the rest.
class PanelBar : public QFrame {
  Q_OBJECT
 public:
  PanelBar(const QString& name, const QStringList& texts, const std::vector<int>& widths,
           QWidget* parent = nullptr);
  void setPanel(int index, const QString& text);
  QString panel(int index) const;
  int panelCount() const { return static_cast<int>(m_labels.size()); }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::vector<QLabel*> m_labels;
};

}  // namespace quotella
