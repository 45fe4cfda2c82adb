#include "app/widgets/fittedpicture.h"

#include <QPainter>

namespace quotella {

FittedPicture::FittedPicture(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QSize FittedPicture::minimumSizeHint() const {
  return {1, 1};
}

QRect FittedPicture::pictureRect() const {
  const QSize picture = pixmap().size();
  if (picture.isEmpty()) return {};
  const QRect room = contentsRect();
  if (picture.width() <= room.width() && picture.height() <= room.height())
    return {room.topLeft(), picture};
  return {room.topLeft(), picture.scaled(room.size(), Qt::KeepAspectRatio)};
}

void FittedPicture::paintEvent(QPaintEvent* event) {
  const QRect target = pictureRect();
  if (target.isEmpty() || target.size() == pixmap().size()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, pixmap());
}

}  // namespace quotella
