#include "geodesy/datum_shift.hpp"

#include <cmath>

#include "geodesy/coordinate_system.hpp"

namespace brelosta {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kPartsPerMillion = 1'000'000.0;

Geocentric operator+(Geocentric u, Geocentric v) { return {u.X + v.X, u.Y + v.Y, u.Z + v.Z}; }
Geocentric operator-(Geocentric u, Geocentric v) { return {u.X - v.X, u.Y - v.Y, u.Z - v.Z}; }
Geocentric operator-(Geocentric u) { return {-u.X, -u.Y, -u.Z}; }

double arcSecondsToRadians(double seconds) { return seconds / kArcSecondsPerDegree / 180.0 * pi; }

}  // namespace

ShiftParameters ShiftParameters::fromDisplayUnits(Geocentric translation, double rxSeconds, double rySeconds,
                                                  double rzSeconds, double scalePpm, Geocentric origin) {
  return {translation,
          arcSecondsToRadians(rxSeconds),
          arcSecondsToRadians(rySeconds),
          arcSecondsToRadians(rzSeconds),
          1.0 + scalePpm / kPartsPerMillion,
          origin};
}

RotationScaleMatrix::RotationScaleMatrix(const ShiftParameters& p)
    : m_{{{p.k, p.Rz, -p.Ry},  //
          {-p.Rz, p.k, p.Rx},  //
          {p.Ry, -p.Rx, p.k}}} {}

double RotationScaleMatrix::determinant() const {
  const Rows& a = m_;
  return a[0][0] * a[1][1] * a[2][2] + a[0][1] * a[1][2] * a[2][0] + a[0][2] * a[1][0] * a[2][1] -
         a[0][2] * a[1][1] * a[2][0] - a[0][0] * a[1][2] * a[2][1] - a[0][1] * a[1][0] * a[2][2];
}

RotationScaleMatrix RotationScaleMatrix::inverse() const {
  const Rows& a = m_;
  const double det = determinant();
  // Element (i, j) of the adjugate is the cofactor of element (j, i).
  const Rows adjugate{{{a[1][1] * a[2][2] - a[1][2] * a[2][1], a[0][2] * a[2][1] - a[0][1] * a[2][2],
                        a[0][1] * a[1][2] - a[0][2] * a[1][1]},
                       {a[1][2] * a[2][0] - a[1][0] * a[2][2], a[0][0] * a[2][2] - a[0][2] * a[2][0],
                        a[0][2] * a[1][0] - a[0][0] * a[1][2]},
                       {a[1][0] * a[2][1] - a[1][1] * a[2][0], a[0][1] * a[2][0] - a[0][0] * a[2][1],
                        a[0][0] * a[1][1] - a[0][1] * a[1][0]}}};
  Rows inverse{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j) inverse[i][j] = adjugate[i][j] / det;
  return RotationScaleMatrix(inverse);
}

Geocentric RotationScaleMatrix::operator*(Geocentric v) const {
  const Rows& a = m_;
  return {a[0][0] * v.X + a[0][1] * v.Y + a[0][2] * v.Z,  //
          a[1][0] * v.X + a[1][1] * v.Y + a[1][2] * v.Z,  //
          a[2][0] * v.X + a[2][1] * v.Y + a[2][2] * v.Z};
}

// W = T + M S
Geocentric bursaWolfForward(Geocentric S, const ShiftParameters& p) {
  const RotationScaleMatrix M(p);
  return p.T + M * S;
}

// W = T + O + M (S - O)
Geocentric badekasMolodenskyForward(Geocentric S, const ShiftParameters& p) {
  const RotationScaleMatrix M(p);
  return p.T + p.O + M * (S - p.O);
}

// G = M^-1 (W - T)
Geocentric bursaWolfReverse(Geocentric W, const ShiftParameters& p) {
  const RotationScaleMatrix Minv = RotationScaleMatrix(p).inverse();
  return Minv * (W - p.T);
}

// G = M^-1 (W - T - O + M O) = O + M^-1 (W - T - O)
Geocentric badekasMolodenskyReverse(Geocentric W, const ShiftParameters& p) {
  const RotationScaleMatrix Minv = RotationScaleMatrix(p).inverse();
  return p.O + Minv * (W - p.T - p.O);
}

bool DatumShift::sourceOnReference() const { return sourceDatum == kReferenceDatum; }

bool DatumShift::targetOnReference() const { return targetDatum == kReferenceDatum; }

bool DatumShift::needsParameters() const { return !sourceOnReference() || !targetOnReference(); }

bool DatumShift::needsOrigin() const {
  return method == DatumShiftMethod::BadekasMolodensky && needsParameters();
}

GeodeticPosition shiftDatum(GeodeticPosition position, const DatumShift& shift) {
  const Geocentric S = toGeocentric(position, shift.sourceEllipsoid);

  Geocentric W = S;
  if (!shift.sourceOnReference()) {
    if (shift.method == DatumShiftMethod::Molodensky) return molodenskyStep(position, shift);
    W = shift.method == DatumShiftMethod::BadekasMolodensky ? badekasMolodenskyForward(S, shift.parameters)
                                                            : bursaWolfForward(S, shift.parameters);
  }

  Geocentric G = W;
  if (!shift.targetOnReference()) {
    if (shift.method == DatumShiftMethod::BursaWolf)
      G = bursaWolfReverse(W, shift.parameters);
    else if (shift.method == DatumShiftMethod::BadekasMolodensky)
      G = badekasMolodenskyReverse(W, shift.parameters);
    else
      return molodenskyStep(position, shift);
  }

  return fromGeocentric(G, shift.targetEllipsoid);
}

GeodeticPosition molodenskyStep(GeodeticPosition position, const DatumShift& shift) {
  if (shift.sourceDatum == shift.targetDatum) return position;

  // The parameters point from their datum to WGS84; from WGS84 they point
  // the other way.
  const Geocentric d = shift.sourceOnReference() ? -shift.parameters.T : shift.parameters.T;
  const double dX = d.X;
  const double dY = d.Y;
  const double dZ = d.Z;

  const double a = shift.sourceEllipsoid.a;
  const double f = shift.sourceEllipsoid.f;
  const double e2 = shift.sourceEllipsoid.e2;
  const double da = shift.targetEllipsoid.a - a;
  const double df = shift.targetEllipsoid.f - f;
  const double phi = position.latitude / 180.0 * pi;
  const double lambda = position.longitude / 180.0 * pi;

  const double sinPhi = std::sin(phi);
  const double cosPhi = std::cos(phi);
  const double sinLambda = std::sin(lambda);
  const double cosLambda = std::cos(lambda);
  const double w2 = 1.0 - e2 * sinPhi * sinPhi;
  const double R = a * (1.0 - e2) / std::pow(w2, 1.5);  // meridian
  const double N = a / std::sqrt(w2);                   // prime vertical

  const double dPhi = (-dX * sinPhi * cosLambda - dY * sinPhi * sinLambda + dZ * cosPhi +
                       (a * df + f * da) * std::sin(2.0 * phi)) /
                      R;
  const double dLambda = (-dX * sinLambda + dY * cosLambda) / (N * cosPhi);
  const double dh = dX * cosPhi * cosLambda + dY * cosPhi * sinLambda + dZ * sinPhi +
                    (a * df + f * da) * sinPhi * sinPhi - da;

  return {(phi + dPhi) / pi * 180.0, (lambda + dLambda) / pi * 180.0, position.height + dh};
}

}  // namespace brelosta
