#pragma once

#include <QLabel>

namespace quotella {

// A picture that shows whole in whatever room its area gives it: when the room is
// smaller than the picture, the picture is drawn smaller, keeping its proportions, from
// the top left corner. The picture itself (pixmap()) stays as it was set.
class FittedPicture : public QLabel {
  Q_OBJECT
 public:
  explicit FittedPicture(QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;
  // Where the picture is drawn inside the widget.
  QRect pictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quotella
