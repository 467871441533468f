#include <langinfo.h>
#include <locale.h>

#include <string_view>

#include "core/platform/locale.hpp"

namespace brelosta::platform {

// Read through a locale object of its own, so that the program's global
// locale (the "C" locale its numbers are written in) stays as it is.
NumberFormat systemNumberFormat() {
  const locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return NumberFormat::point();
  const std::string_view mark = ::nl_langinfo_l(RADIXCHAR, user);
  const NumberFormat format = mark == "," ? NumberFormat::comma() : NumberFormat::point();
  ::freelocale(user);
  return format;
}

}  // namespace brelosta::platform
