#include "core/write_behind.hpp"

namespace brelosta {
namespace {

// Large enough that the hand-over costs nothing beside the writing, small
// enough that two chunks keep the run's memory small.
constexpr std::size_t kChunkSize = std::size_t{512} << 10;

}  // namespace

void WriteBehind::write(std::string_view bytes) {
  std::string& chunk = behind_.filling();
  chunk += bytes;
  if (chunk.size() >= kChunkSize) behind_.handOn();
}

bool WriteBehind::finish() {
  behind_.finish();
  return !failed_;
}

}  // namespace brelosta
