#pragma once

#include <QFrame>
#include <QStringList>
#include <vector>

class QLabel;

namespace quotella {

// A status bar made of text panels; a positive width is fixed, 0 or -n takes n shares of
// the rest. A text longer than its panel is shortened in the middle, so a path keeps its
// start and its file name; the whole text is in the tooltip and in panel().
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
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show(std::size_t index);
  std::vector<QLabel*> m_labels;
  std::vector<QString> m_texts;
};

}  // namespace quotella
