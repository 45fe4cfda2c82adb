#pragma once

namespace quotella {

struct WindowParts;

// The rooms' signals, each connected to the command it runs: which button, click, double
// click or edit of a room goes to which handler class. Signals of one kind are tables of
// (control, handler).
class RoomWiring {
 public:
  static void Connect(WindowParts& w);

 private:
  static void ConnectPlainSignals(WindowParts& w);
  static void ConnectAnswerTable(WindowParts& w);
  static void ConnectGridView(WindowParts& w);
};

}  // namespace quotella
