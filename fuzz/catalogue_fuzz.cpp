// The catalogue readers on any text: a datum catalogue has one slot per
// line, a slot holds a record only for a line starting with a double quote,
// and the ellipsoid look-up finds the last matching key.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text_file.hpp"
#include "formats/catalogues.hpp"

using namespace brelosta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // A NUL byte separates the datum file from the ellipsoid file.
  const auto split = input.find('\0');
  const std::string_view datumText = input.substr(0, split);
  const std::string_view ellipsoidText = split == std::string_view::npos ? "" : input.substr(split + 1);

  if (const auto datums = parseDatumCatalogue(datumText)) {
    const auto lines = splitLines(datumText);
    if (datums->size() != lines.size()) std::abort();
    for (std::size_t k = 0; k < lines.size(); ++k)
      if ((*datums)[k].has_value() != lines[k].starts_with('"')) std::abort();
    if (const auto ellipsoids = parseEllipsoidCatalogue(ellipsoidText)) {
      for (const auto& datum : *datums) {
        if (!datum) continue;
        const Ellipsoid* found = ellipsoidOf(*ellipsoids, datum->ellipsoidKey);
        if (found != nullptr && !(found->key == datum->ellipsoidKey)) std::abort();
      }
    }
  }
  return 0;
}
