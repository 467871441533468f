#include "app/typed_numbers.hpp"

#include <algorithm>

#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/system_panel.hpp"
#include "core/number_reading.hpp"

namespace brelosta {

namespace {

struct Readings {
  std::string asDecimal;  // the separator taken as the decimal mark
  std::string asWhole;    // the separator taken as grouping thousands
};

// The two ways of reading a number whose single group separator may as well
// be a decimal mark.
Readings readingsOf(std::string_view text, NumberFormat format) {
  std::string asDecimal(text);
  std::replace(asDecimal.begin(), asDecimal.end(), format.groupSeparator, format.decimalMark);
  std::string asWhole(text);
  std::erase(asWhole, format.groupSeparator);
  // "0.500" read as thousands is 500, not 0500.
  const std::size_t digits = asWhole.find_first_not_of("+-");
  const std::size_t significant = std::min(asWhole.find_first_not_of('0', digits), asWhole.size() - 1);
  asWhole.erase(digits, significant - digits);
  return {asDecimal, asWhole};
}

std::string_view groupSeparatorWords(NumberFormat format) {
  return format.groupSeparator == '.' ? "el punto" : "la coma";
}

}  // namespace

std::string ambiguousNumberMessage(std::string_view text, NumberFormat format) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  const Readings readings = readingsOf(text, format);
  return "El número " + std::string(text) + " es ambiguo\nEscriba " + readings.asDecimal + " si " +
         std::string(groupSeparatorWords(format)) + " separa decimales, o " + readings.asWhole +
         " si separa miles";
}

std::string doubtfulFieldText(std::string_view text, NumberDoubt doubt) {
  const NumberFormat fileFormat = NumberFormat::comma();
  if (doubt == NumberDoubt::Grouping && ambiguousGrouping(text, fileFormat)) {
    const Readings readings = readingsOf(text, fileFormat);
    return quotedText(text) + " es ambiguo: escriba " + readings.asDecimal + " si " +
           std::string(groupSeparatorWords(fileFormat)) + " separa decimales, o " + readings.asWhole +
           " si separa miles";
  }
  // Grouped thousands: the last mark is the decimal one, if any.
  const std::size_t last = doubt == NumberDoubt::BothMarks ? text.find_last_of(".,") : std::string_view::npos;
  std::string plain;
  for (std::size_t k = 0; k < text.size(); ++k)
    if ((text[k] != '.' && text[k] != ',') || k == last) plain += text[k];
  return quotedText(text) + " separa los miles: escriba " + plain;
}

bool refuseAmbiguousNumber(App& app, const Control& box) {
  if (!ambiguousGrouping(box.text, app.state.numberFormat)) return false;
  showWarning(app, ambiguousNumberMessage(box.text, app.state.numberFormat));
  return true;
}

bool typedNumbersClear(App& app, ConversionDirection direction, bool pointBoxes) {
  MainWindowState& s = app.state;
  const SystemPanel source = systemPanel(s, sourceSide(direction));
  const SystemPanel target = systemPanel(s, otherSide(source.side));
  const auto clear = [&](std::initializer_list<const Control*> boxes) {
    return std::none_of(boxes.begin(), boxes.end(),
                        [&](const Control* box) { return box->visible && refuseAmbiguousNumber(app, *box); });
  };
  return (!pointBoxes || clear({&source.LAT_D, &source.LAT_M, &source.LAT_S, &source.LON_D, &source.LON_M,
                                &source.LON_S, &source.ALT_M})) &&
         clear({&source.Zone, &source.Lat_origen, &source.Para_2, &source.Lon_origen, &source.Feste,
                &source.Fnorte}) &&
         clear({&target.Zone, &target.Lat_origen, &target.Para_2, &target.Lon_origen, &target.Feste,
                &target.Fnorte}) &&
         clear({&s.Dx_label, &s.Dy_label, &s.Dz_label, &s.Rx_label, &s.Ry_label, &s.Rz_label, &s.SC_label,
                &s.XXMM, &s.YYMM, &s.ZZMM, &s.elipsoide_a, &s.elipsoide_f});
}

}  // namespace brelosta
