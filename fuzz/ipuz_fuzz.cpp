// The ipuz reader on any bytes: it must refuse what it cannot read with a message, never
// crash or throw.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/ipuzimport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto result =
      quotella::ReadIpuz(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!result.ok && result.error.empty()) __builtin_trap();  // a refusal always says why
  return 0;
}
