#include "geodesy/geoid.hpp"

namespace brelosta {

std::optional<double> geoidUndulation(double /*latitude*/, double /*longitude*/) { return std::nullopt; }

}  // namespace brelosta
