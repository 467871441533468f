#pragma once

// The decimal mark of the user's regional settings: the C library's locale
// on POSIX systems (LC_ALL, LC_NUMERIC, LANG), the regional settings of the
// user on Windows; one implementation per platform (locale_posix.cpp,
// locale_windows.cpp).

#include "core/number_format.hpp"

namespace brelosta::platform {

// A decimal comma where the settings write one (es_VE, de_DE), a decimal
// point otherwise, and where they cannot be read.
NumberFormat systemNumberFormat();

}  // namespace brelosta::platform
