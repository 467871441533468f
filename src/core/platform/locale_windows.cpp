#include <windows.h>

#include <string_view>

#include "core/platform/locale.hpp"

namespace brelosta::platform {

NumberFormat systemNumberFormat() {
  wchar_t mark[8] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, mark, static_cast<int>(std::size(mark))) ==
      0)
    return NumberFormat::point();
  return std::wstring_view(mark) == L"," ? NumberFormat::comma() : NumberFormat::point();
}

}  // namespace brelosta::platform
