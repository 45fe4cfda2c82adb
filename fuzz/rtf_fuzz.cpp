// The reader of the help and quote-window rich text on any bytes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "rtf/rtfreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bool ok = false;
  (void)quotella::RtfToHtml(std::string(reinterpret_cast<const char*>(data), size), &ok);
  return 0;
}
