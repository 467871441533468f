#pragma once

namespace brelosta {

// A run-time failure inside a command (a text that is not a number where a
// number is read, a non-finite arithmetic result, a file error): the command
// reports "Error en los Datos" once and ends.
struct DataError {};

}  // namespace brelosta
