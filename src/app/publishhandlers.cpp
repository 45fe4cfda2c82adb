#include "app/publishhandlers.h"

#include "app/mainwindow.h"
#include "formats/publishcommands.h"

namespace quotella {

void SaveAsIpuz1Click(MainWindow& window) {
  window.RunPullPush([&window] { SaveAsIpuzClick(window.doc(), window.session()); });
}

void SaveAsWebPage1Click(MainWindow& window) {
  window.RunPullPush([&window] { SaveAsWebPageClick(window.doc(), window.session()); });
}

bool IpuzPuzzle1Click(MainWindow& window) {
  bool opened = false;
  window.RunPullPush(
      [&window, &opened] { opened = OpenIpuzClick(window.doc(), window.session()); });
  return opened;
}

}  // namespace quotella
