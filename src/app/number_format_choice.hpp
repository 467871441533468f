#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/number_format.hpp"

namespace brelosta {

// The user's number format, chosen the same way by every front end, so that
// a configuration saved in the window converts the same on the command line
// of the same machine: the system's regional settings, then the environment
// variable BRELOSTA_NUMBER_FORMAT, then the command line's --number-format.

inline constexpr const char* kNumberFormatVariable = "BRELOSTA_NUMBER_FORMAT";

// "point" or "comma".
std::optional<NumberFormat> namedNumberFormat(std::string_view name);

// The format, or the text that says why none can be chosen. `variable` is
// the variable's value (nothing or empty: not set), `option` the value of
// --number-format (nothing: not given).
std::variant<NumberFormat, std::string> chooseNumberFormat(NumberFormat system,
                                                           std::optional<std::string_view> variable,
                                                           std::optional<std::string_view> option);

// The same with this machine's regional settings and environment.
std::variant<NumberFormat, std::string> userNumberFormat(std::optional<std::string_view> option);

}  // namespace brelosta
