#pragma once

#include <string>

namespace brelosta {

// A run-time failure inside a command (a text that is not a number where a
// number is read, a non-finite arithmetic result, a file error): the command
// reports "Error en los Datos" once and ends. `detail` says where and why
// (the file and the reason, or the record, field and text) when the place
// that failed knows it; it becomes the message's second line.
struct DataError {
  std::string detail;
};

}  // namespace brelosta
