#include "app/failed_records.hpp"

#include "app/message_places.hpp"
#include "core/data_error.hpp"
#include "core/path_text.hpp"

namespace brelosta {

FailedRecords::FailedRecords(const std::filesystem::path& output)
    : path_(output.parent_path() / (output.stem().native() + pathFromUtf8(".errores.txt").native())) {}

void FailedRecords::add(const PointFailure& failure) {
  if (!writer_) {
    writer_.emplace(path_);
    if (!writer_->ok()) cannotWrite();
    lines_.emplace([this](std::string_view bytes) { writer_->write(bytes); });
  }
  ++count_;
  std::string& line = lines_->text();
  if (!failure.detail.empty()) {
    line += failure.detail;
    line += ": ";
  }
  line += failure.text;
  lines_->endLine();
}

void FailedRecords::commit() {
  if (!writer_) return;
  lines_->finish();
  if (!writer_->commit()) cannotWrite();
}

void FailedRecords::cannotWrite() const {
  throw DataError{cannotWriteProblem(utf8FromPath(path_))};
}

}  // namespace brelosta
