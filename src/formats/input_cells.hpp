#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/point_batch.hpp"

namespace brelosta {

// Where the input slots of every record lie in its line, and whether each is
// a number or a text: kept while the run splits the records, so that the
// report's table of input points does not split a million lines again. Five
// bytes a slot.
class InputCells {
 public:
  // Room for `records` records of `slotsPerRecord` slots each.
  InputCells(int slotsPerRecord, std::size_t records);

  // The next record's slots, split from `line`.
  void add(std::string_view line, const PointRecord& record);

  // Record `number`'s slots (from 1) on its line: types and texts, their
  // number values not read; a layout without height gets the number 0 as
  // height, as the reading gives it. False when the line was too long for
  // the places to be kept.
  bool get(std::size_t number, std::string_view line, const std::optional<RecordPlan>& plan,
           std::array<Field, kMaxSlots>& slots) const;

 private:
  struct Cell {
    std::uint16_t offset;
    std::uint16_t length;
    std::uint8_t type;  // a Field::Type
  };
  static constexpr std::uint16_t kUnknown = 0xFFFF;

  int slotsPerRecord_;
  std::vector<Cell> cells_;
};

}  // namespace brelosta
