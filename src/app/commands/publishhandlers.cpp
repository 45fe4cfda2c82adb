#include "app/commands/publishhandlers.h"

#include "app/commands/editorsync.h"
#include "app/window/windowparts.h"
#include "formats/publishcommands.h"

namespace quotella {

void SaveAsIpuz1Click(WindowParts& window) {
  window.sync->RunPullPush([&window] { SaveAsIpuzClick(*window.doc, *window.session); });
}

void SaveAsWebPage1Click(WindowParts& window) {
  window.sync->RunPullPush([&window] { SaveAsWebPageClick(*window.doc, *window.session); });
}

bool IpuzPuzzle1Click(WindowParts& window) {
  bool opened = false;
  window.sync->RunPullPush(
      [&window, &opened] { opened = OpenIpuzClick(*window.doc, *window.session); });
  return opened;
}

}  // namespace quotella
