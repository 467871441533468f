#pragma once

#include <QLocale>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "core/number_format.hpp"

namespace brelosta {

// The number format of a locale: a decimal comma where the locale writes
// one (es_VE, de_DE), a decimal point otherwise.
NumberFormat localeNumberFormat(const QLocale& locale);

// "point" or "comma".
std::optional<NumberFormat> namedNumberFormat(const QString& name);

struct ProgramOptions {
  // Where to start; nothing = the current directory.
  std::optional<std::filesystem::path> workingFolder;
  NumberFormat numberFormat;
  bool helpOnly = false;
};

inline constexpr const char* kNumberFormatVariable = "BRELOSTA_NUMBER_FORMAT";

// The options of the command line (without the program name), then of the
// environment variable BRELOSTA_NUMBER_FORMAT (given as
// `numberFormatVariable`), then of the locale. A text with the reason
// when the command line cannot be used.
std::variant<ProgramOptions, QString> programOptions(const QStringList& arguments, const QString& numberFormatVariable,
                                                    const QLocale& locale);

QString programUsage();

}  // namespace brelosta
