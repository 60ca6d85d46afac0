// Arbitrary bytes through hex_dump, checked against the literal "%X"-and-fmod
// formatting the unit tests use.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/hex_dump.h"
#include "tests/support/hex_dump_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const lumetra::Text dump = lumetra::hex_dump(bytes);
  const std::string expected = lumetra::testing::reference_hex_dump(bytes);
  if (dump != expected || dump.size() != lumetra::hex_dump_length(size)) {
    std::size_t at = 0;
    while (at < dump.size() && at < expected.size() && dump[at] == expected[at]) ++at;
    std::fprintf(stderr, "hex_dump of %zu bytes differs at character %zu (%zu vs %zu long)\n", size,
                 at, dump.size(), expected.size());
    std::abort();
  }
  return 0;
}
