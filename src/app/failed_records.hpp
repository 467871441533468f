#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "app/messages.hpp"
#include "core/text_file.hpp"
#include "formats/output_sink.hpp"

namespace brelosta {

// The list of the records a run that goes on past failures did not
// convert: a file beside the output, NAME.errores.txt for an output
// NAME.txt, one line per failed record in file order: the record, its line,
// the field and the text as read (the message's second line), then the
// message ("Registro 3, línea 3 del archivo puntos.txt, campo Norte:
// "12a": Error en los Datos"). Windows-1252 with CR LF, like the output;
// made at the first failure and put in place only with the output, whole.
class FailedRecords {
 public:
  explicit FailedRecords(const std::filesystem::path& output);

  // Throws DataError when the list cannot be written.
  void add(const PointFailure& failure);
  std::size_t count() const { return count_; }
  const std::filesystem::path& path() const { return path_; }
  // Puts the list in place (nothing when no record failed); throws
  // DataError when that fails.
  void commit();

 private:
  [[noreturn]] void cannotWrite() const;

  std::filesystem::path path_;
  std::optional<AtomicFileWriter> writer_;
  std::optional<OutputSink> lines_;
  std::size_t count_ = 0;
};

}  // namespace brelosta
