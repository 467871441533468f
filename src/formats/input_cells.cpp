#include "formats/input_cells.hpp"

#include <cstdint>

namespace brelosta {
namespace {

// Where a text starts in the line, or past the line's end when it is not
// part of it.
std::size_t offsetIn(std::string_view line, std::string_view text) {
  return reinterpret_cast<std::uintptr_t>(text.data()) - reinterpret_cast<std::uintptr_t>(line.data());
}

}  // namespace

InputCells::InputCells(int slotsPerRecord, std::size_t records) : slotsPerRecord_(slotsPerRecord) {
  cells_.reserve(records * static_cast<std::size_t>(slotsPerRecord));
}

void InputCells::add(std::string_view line, const PointRecord& record) {
  const bool fits = line.size() < kUnknown;
  for (int k = 0; k < slotsPerRecord_; ++k) {
    const Field& slot = record.slots[static_cast<std::size_t>(k)];
    const auto type = static_cast<std::uint8_t>(slot.type);
    const std::size_t inLine = offsetIn(line, slot.text);
    if (!fits) {
      cells_.push_back({kUnknown, 0, type});
    } else if (slot.text.empty() || inLine >= line.size()) {
      // Empty, or the height a layout without H is given.
      cells_.push_back({0, 0, type});
    } else {
      cells_.push_back({static_cast<std::uint16_t>(inLine), static_cast<std::uint16_t>(slot.text.size()), type});
    }
  }
}

bool InputCells::get(std::size_t number, std::string_view line, const std::optional<RecordPlan>& plan,
                     std::array<Field, kMaxSlots>& slots) const {
  const std::size_t first = (number - 1) * static_cast<std::size_t>(slotsPerRecord_);
  if (cells_[first].offset == kUnknown) return false;
  for (int k = 0; k < slotsPerRecord_; ++k) {
    const Cell& cell = cells_[first + static_cast<std::size_t>(k)];
    slots[static_cast<std::size_t>(k)] =
        Field{static_cast<Field::Type>(cell.type), line.substr(cell.offset, cell.length), 0.0};
  }
  if (plan && !plan->hasHeight && holdsRecord(line)) slots[static_cast<std::size_t>(plan->heightSlot)].text = "0";
  return true;
}

}  // namespace brelosta
