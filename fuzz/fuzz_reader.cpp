// Feeds arbitrary bytes, under each of the four extensions, through the reader and the header texts.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/datafiles/header_text.h"
#include "core/datafiles/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const char* kNames[4] = {"f.DTM", "f.dau", "f.DHN", "f.dht"};
  const std::vector<std::uint8_t> bytes(data, data + size);
  for (const char* name : kNames) {
    const datafiles::OpenResult r = datafiles::loadDataBytes(name, bytes);
    if (r.ok) {
      const auto texts = datafiles::HeaderTexts(r.file, text::NumberFormat{});
      (void)texts;
      if (r.file.DtmOpen()) {
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i < r.file.valueCount(); ++i) sum += r.file.value(i);
        (void)sum;
      }
    }
  }
  return 0;
}
