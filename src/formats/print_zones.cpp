#include "formats/print_zones.hpp"

#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr std::size_t kZoneWidth = 14;

}  // namespace

ZonedLine& ZonedLine::item(std::string_view text) {
  pending_ += text;
  column_ += characterCount(text);
  return *this;
}

ZonedLine& ZonedLine::zones(int count) {
  for (int k = 0; k < count; ++k) {
    const std::size_t next = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
    pending_.append(next - column_, ' ');
    column_ = next;
  }
  return *this;
}

void ZonedLine::end() {
  sink_.line(pending_);
  pending_.clear();
  column_ = 1;
}

}  // namespace brelosta
