#pragma once

#include <array>
#include <optional>
#include <string>

#include "geodesy/ellipsoid_shape.hpp"
#include "geodesy/geocentric.hpp"

namespace brelosta {

enum class DatumShiftMethod { Molodensky, BursaWolf, BadekasMolodensky };

// The shift of one datum to WGS84 as the formulas use it.
struct ShiftParameters {
  Geocentric T;     // translations dX, dY, dZ, metres
  double Rx = 0.0;  // rotations about the X, Y, Z axes, radians
  double Ry = 0.0;
  double Rz = 0.0;
  double k = 1.0;   // scale factor
  Geocentric O;     // origin of the Badekas-Molodensky method, metres

  // From the values as the window shows them: rotations in arc seconds,
  // scale in parts per million.
  static ShiftParameters fromDisplayUnits(Geocentric translation, double rxSeconds, double rySeconds,
                                          double rzSeconds, double scalePpm, Geocentric origin);
};

// The small-angle rotation with scale, coordinate-frame sign convention:
//   | k   Rz -Ry |
//   | -Rz k   Rx |
//   | Ry -Rx  k  |
// The scale sits on the diagonal only; the rotation terms are not scaled.
class RotationScaleMatrix {
 public:
  using Rows = std::array<std::array<double, 3>, 3>;

  explicit RotationScaleMatrix(const ShiftParameters& p);

  // The exact inverse: adjugate over determinant, the determinant by the
  // rule of Sarrus. A singular matrix divides by zero.
  RotationScaleMatrix inverse() const;
  double determinant() const;
  Geocentric operator*(Geocentric v) const;
  const Rows& rows() const { return m_; }

 private:
  explicit RotationScaleMatrix(const Rows& rows) : m_(rows) {}
  Rows m_;
};

// Forward legs, source datum to WGS84: S on the source datum, result on
// WGS84.
Geocentric bursaWolfForward(Geocentric S, const ShiftParameters& p);
Geocentric badekasMolodenskyForward(Geocentric S, const ShiftParameters& p);

// Reverse legs, WGS84 to the datum the parameters describe, inverting the
// forward legs exactly.
Geocentric bursaWolfReverse(Geocentric W, const ShiftParameters& p);
Geocentric badekasMolodenskyReverse(Geocentric W, const ShiftParameters& p);

// One datum change of a convert command. A datum named "WGS84" is the
// reference; the parameters are those of the one other datum in play and
// describe its shift to WGS84.
struct DatumShift {
  std::string sourceDatum;
  std::string targetDatum;
  EllipsoidShape sourceEllipsoid;
  EllipsoidShape targetEllipsoid;
  std::optional<DatumShiftMethod> method;  // nothing when no method is chosen
  ShiftParameters parameters;

  bool sourceOnReference() const;
  bool targetOnReference() const;
  // A Badekas-Molodensky leg runs, so the origin is needed.
  bool needsOrigin() const;
  // A non-reference datum is on either side, so the parameters are needed.
  bool needsParameters() const;
};

// The position on the target datum (degrees, metres). A non-reference source
// goes to WGS84 with the forward leg of the chosen method (Bursa-Wolf when
// none is chosen); WGS84 goes to a non-reference target with the reverse leg
// (Molodensky when none is chosen). Molodensky on either side replaces the
// whole change by one molodenskyStep.
GeodeticPosition shiftDatum(GeodeticPosition position, const DatumShift& shift);

// The abridged Molodensky shift from the source to the target datum, in one
// step on geodetic coordinates with the translations only (DMA TR 8350.2,
// 1987/1997; rotations, scale and origin play no part). The same datum on
// both sides returns the position unchanged.
GeodeticPosition molodenskyStep(GeodeticPosition position, const DatumShift& shift);

}  // namespace brelosta
