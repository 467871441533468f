#include "geodesy/geoid.hpp"

#include <algorithm>
#include <cmath>

#include "geodesy/egm96_grid.hpp"

namespace brelosta {
namespace {

constexpr double kEdgeTolerance = 1e-9;  // degrees

// The two grid lines around a coordinate; both are the coordinate itself
// when it lies on a grid line.
struct Bracket {
  double low = 0.0;
  double high = 0.0;
};

// Latitude, positive in the grid: phi0 = phi truncated, d = phi - phi0.
Bracket latitudeBracket(double phi) {
  const double phi0 = std::trunc(phi);
  const double d = phi - phi0;
  if (d == 0.0 || d == kGeoidStep) return {phi, phi};
  if (d < kGeoidStep) return {phi0, phi0 + kGeoidStep};
  return {phi0 + kGeoidStep, phi0 + 1.0};
}

// Longitude, negative in the grid: lambda0 = lambda truncated toward zero,
// e = lambda - lambda0; low is the western line, high the eastern one.
Bracket longitudeBracket(double lambda) {
  const double lambda0 = std::trunc(lambda);
  const double e = std::fabs(lambda - lambda0);
  if (e == 0.0 || e == kGeoidStep) return {lambda, lambda};
  if (e > kGeoidStep) return {lambda0 - 1.0, lambda0 - kGeoidStep};
  return {lambda0 - kGeoidStep, lambda0};
}

// G(i, j), column i west to east, row j north to south, both from 1. A
// neighbour beyond the northern or eastern edge (row 0, column 34) counts
// as 0; it is only asked for with weight 0.
double node(int i, int j) {
  if (i < 1 || i > kGeoidColumns || j < 1 || j > kGeoidRows) return 0.0;
  return kEgm96Grid[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)];
}

// A span of 0 (a coordinate on a grid line) is taken as 1.
double span(Bracket b) { return b.high == b.low ? 1.0 : b.high - b.low; }

}  // namespace

bool insideGeoidGrid(double latitude, double longitude) {
  return latitude >= kGeoidSouth - kEdgeTolerance && latitude <= kGeoidNorth + kEdgeTolerance &&
         longitude >= kGeoidWest - kEdgeTolerance && longitude <= kGeoidEast + kEdgeTolerance;
}

std::optional<double> geoidUndulation(double latitude, double longitude) {
  if (!insideGeoidGrid(latitude, longitude)) return std::nullopt;
  const double phi = std::clamp(latitude, kGeoidSouth, kGeoidNorth);
  const double lambda = std::clamp(longitude, kGeoidWest, kGeoidEast);

  const Bracket latitudes = latitudeBracket(phi);  // L, U
  const Bracket longitudes = longitudeBracket(lambda);  // W, E
  const double L = latitudes.low;
  const double W = longitudes.low;

  const int i = 1 + static_cast<int>(std::lround(std::fabs(W - kGeoidWest) / kGeoidStep));
  const int j = 1 + static_cast<int>(std::lround((kGeoidNorth - L) / kGeoidStep));

  const double SW = node(i, j);
  const double NW = node(i, j - 1);
  const double SE = node(i + 1, j);
  const double NE = node(i + 1, j - 1);

  const double t = (lambda - W) / span(longitudes);
  const double u = (phi - L) / span(latitudes);
  return SW * (1 - u) * (1 - t) + SE * (1 - u) * t + NE * u * t + NW * u * (1 - t);
}

}  // namespace brelosta
