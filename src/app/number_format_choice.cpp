#include "app/number_format_choice.hpp"

#include <cstdlib>

#include "core/platform/locale.hpp"

namespace brelosta {

std::optional<NumberFormat> namedNumberFormat(std::string_view name) {
  if (name == "point") return NumberFormat::point();
  if (name == "comma") return NumberFormat::comma();
  return std::nullopt;
}

std::variant<NumberFormat, std::string> chooseNumberFormat(NumberFormat system,
                                                           std::optional<std::string_view> variable,
                                                           std::optional<std::string_view> option) {
  NumberFormat format = system;
  if (variable && !variable->empty()) {
    const auto named = namedNumberFormat(*variable);
    if (!named) return std::string(kNumberFormatVariable) + " debe ser point o comma";
    format = *named;
  }
  if (option) {
    const auto named = namedNumberFormat(*option);
    if (!named) return "formato de números desconocido: " + std::string(*option) + " (point o comma)";
    format = *named;
  }
  return format;
}

std::variant<NumberFormat, std::string> userNumberFormat(std::optional<std::string_view> option) {
  const char* variable = std::getenv(kNumberFormatVariable);
  return chooseNumberFormat(platform::systemNumberFormat(),
                            variable != nullptr ? std::optional<std::string_view>(variable) : std::nullopt,
                            option);
}

}  // namespace brelosta
