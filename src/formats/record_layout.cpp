#include "formats/record_layout.hpp"

#include <algorithm>

namespace brelosta {
namespace {

// The parts of a layout name, in field order: "Id", the first and second
// coordinate ("LAT"/"Norte" fill the first slot group, "LON"/"Este" the
// second) and "H".
enum class Part { Id, First, Second, Height };

std::optional<std::vector<Part>> layoutParts(std::string_view name, bool grid) {
  const auto& names = grid ? kGridLayoutNames : kGeographicLayoutNames;
  if (std::find(names.begin(), names.end(), name) == names.end()) return std::nullopt;
  const std::string_view first = grid ? "Norte" : "LAT";
  const std::string_view second = grid ? "Este" : "LON";
  std::vector<Part> parts;
  std::size_t position = 0;
  while (position < name.size()) {
    const std::size_t end = std::min(name.find(' ', position), name.size());
    const std::string_view word = name.substr(position, end - position);
    if (word == "Id") parts.push_back(Part::Id);
    if (word == first) parts.push_back(Part::First);
    if (word == second) parts.push_back(Part::Second);
    if (word == "H") parts.push_back(Part::Height);
    position = end + 1;
  }
  return parts;
}

}  // namespace

std::string slotFieldName(RecordFamily family, int slot) {
  switch (family) {
    case RecordFamily::Grid:
      return slot == 0 ? "Norte" : slot == 1 ? "Este" : "H";
    case RecordFamily::GeographicDecimal:
      return slot == 0 ? "LAT" : slot == 1 ? "LON" : "H";
    case RecordFamily::GeographicDms: {
      if (slot >= 6) return "H";
      constexpr std::array<std::string_view, 3> kParts = {" grados", " minutos", " segundos"};
      return std::string(slot < 3 ? "LAT" : "LON") + std::string(kParts[static_cast<std::size_t>(slot % 3)]);
    }
  }
  return "H";
}

RecordFamily recordFamily(CoordinateSystemKind kind, AngleFormat format) {
  if (kind != CoordinateSystemKind::Geographic) return RecordFamily::Grid;
  return format == AngleFormat::DecimalDegrees ? RecordFamily::GeographicDecimal : RecordFamily::GeographicDms;
}

std::optional<RecordPlan> recordPlan(std::string_view layoutName, RecordFamily family) {
  const auto parts = layoutParts(layoutName, family == RecordFamily::Grid);
  if (!parts) return std::nullopt;
  const int fieldsPerAngle = family == RecordFamily::GeographicDms ? 3 : 1;
  RecordPlan plan;
  plan.slotCount = slotCount(family);
  plan.heightSlot = heightSlot(family);
  for (const Part part : *parts) {
    switch (part) {
      case Part::Id:
        plan.fieldSlots.push_back(kIdField);
        break;
      case Part::First:
        for (int k = 0; k < fieldsPerAngle; ++k) plan.fieldSlots.push_back(k);
        break;
      case Part::Second:
        for (int k = 0; k < fieldsPerAngle; ++k) plan.fieldSlots.push_back(fieldsPerAngle + k);
        break;
      case Part::Height:
        plan.fieldSlots.push_back(plan.heightSlot);
        plan.hasHeight = true;
        break;
    }
  }
  return plan;
}

SplitRecord splitRecord(std::string_view line, const RecordPlan& plan, std::vector<Field>& scratch,
                        char separator) {
  splitFieldsAt(line, separator, scratch);
  SplitRecord record;
  record.complete = scratch.size() == plan.fieldSlots.size();
  const std::size_t count = std::min(scratch.size(), plan.fieldSlots.size());
  for (std::size_t k = 0; k < count; ++k) {
    const int slot = plan.fieldSlots[k];
    if (slot == kIdField)
      record.id = scratch[k].text;
    else
      record.slots[static_cast<std::size_t>(slot)] = scratch[k];
  }
  if (!plan.hasHeight) {
    Field& height = record.slots[static_cast<std::size_t>(plan.heightSlot)];
    height.type = Field::Type::Number;
    height.text = "0";
    height.number = 0.0;
  }
  return record;
}

}  // namespace brelosta
