#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QRectF>
#include <QXmlStreamReader>
#include <string>
#include <vector>

namespace quotella::test {

// The texts of an SVG document's text elements in order, after checking that it is
// well-formed XML; viewBox receives the document's view box when asked for.
inline std::vector<std::string> SvgTexts(const QByteArray& svg, QRectF* viewBox = nullptr) {
  std::vector<std::string> texts;
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("svg") && viewBox) {
      const auto box = xml.attributes().value(QLatin1String("viewBox")).toString().split(' ');
      if (box.size() == 4)
        *viewBox =
            QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
    }
    if (xml.name() == QLatin1String("text")) texts.push_back(xml.readElementText().toStdString());
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

}  // namespace quotella::test
