#include <QApplication>

#include "app/window/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quotella 3"));
  quotella::MainWindow::Options options;
  options.arguments = QApplication::arguments().mid(1);
  quotella::MainWindow window(options);
  window.show();
  return QApplication::exec();
}
