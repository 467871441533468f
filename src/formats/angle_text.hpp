#pragma once

#include <string>

#include "core/number_format.hpp"

namespace brelosta {

// Writes a decimal angle (degrees) as the texts of the degrees, minutes and
// seconds boxes: whole degrees with the angle's sign ("-0" for a negative
// angle under one degree), whole minutes, seconds with five decimals. The
// seconds carry into the minutes only when they round to 60.00000 (the
// seconds then read "0.00000"), and the minutes into the degrees when they
// reach 60, so the texts never hold negative seconds and read back as the
// angle to within the last decimal shown.
void splitAngle(double angle, NumberFormat format, std::string& degrees, std::string& minutes,
                std::string& seconds);

// A latitude or longitude in decimal degrees, "##0.000000000".
void writeDecimalAngle(std::string& text, double angle, NumberFormat format);

}  // namespace brelosta
