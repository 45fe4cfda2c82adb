#pragma once

namespace quotella {

class MainWindow;

// The rooms' signals, each connected to the command it runs: which button, click, double
// click or edit of a room goes to which handler class. Signals of one kind are tables of
// (control, handler).
class RoomWiring {
 public:
  static void Connect(MainWindow& w);

 private:
  static void ConnectPlainSignals(MainWindow& w);
  static void ConnectAnswerTable(MainWindow& w);
  static void ConnectGridView(MainWindow& w);
};

}  // namespace quotella
