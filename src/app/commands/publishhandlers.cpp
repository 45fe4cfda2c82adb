#include "app/commands/publishhandlers.h"

#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "formats/publishcommands.h"

namespace quotella {

void SaveAsIpuz1Click(MainWindow& window) {
  window.editors().RunPullPush([&window] { SaveAsIpuzClick(window.doc(), window.session()); });
}

void SaveAsWebPage1Click(MainWindow& window) {
  window.editors().RunPullPush([&window] { SaveAsWebPageClick(window.doc(), window.session()); });
}

bool IpuzPuzzle1Click(MainWindow& window) {
  bool opened = false;
  window.editors().RunPullPush(
      [&window, &opened] { opened = OpenIpuzClick(window.doc(), window.session()); });
  return opened;
}

}  // namespace quotella
