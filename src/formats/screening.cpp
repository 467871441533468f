#include "formats/screening.hpp"

#include "core/data_error.hpp"
#include "core/number_reading.hpp"

namespace brelosta {

bool skippedByScreening(const Field& first, NumberFormat format) {
  // A number field is written out with the digits that read back as the
  // same value, so its leading number is the value itself: never skipped.
  if (first.type != Field::Type::Text) return false;
  const auto value = strictValue(first.text, format);
  if (!value) throw DataError{};
  return *value != 0.0 && lenientValue(first.text, format) == 0.0;
}

}  // namespace brelosta
