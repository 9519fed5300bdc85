// Open-water characteristics of the propeller series: the shared evaluation
// record and the series routines.
#pragma once

namespace vdk {

struct OpenWaterState {
  float J = 0;     // advance ratio, set by the caller before each evaluation
  float KT = 0;    // thrust coefficient of the last evaluation
  float KQ = 0;    // torque coefficient of the last evaluation
  float ETA0 = 0;  // open-water efficiency of the last evaluation
  // Blade-drag (Reynolds) correction context; zero until a caller sets it.
  float ReD = 0;   // diameter, m (below 0.001: derived from ReVa, ReN and J)
  float ReVa = 0;  // advance speed, m/s
  float ReN = 0;   // revolutions, rpm
  friend bool operator==(const OpenWaterState&, const OpenWaterState&) = default;
};

// The blade-section drag (Reynolds number and roughness) correction of the
// series curves, applied once a caller has set the correction context:
// the program's own (classic), or the ITTC-78 correction from the series'
// section Reynolds number 2e6 to the full-scale propeller with blades of
// 30 micrometres roughness.
enum class BladeDrag { Classic, ITTC78 };

// Which series is evaluated, whether the propeller is controllable-pitch and
// how the blade drag is corrected.
struct SeriesSettings {
  int SERIES = 1;         // 1 Wageningen B, 2 Gawn; other values evaluate nothing
  float CPPropeller = 0;  // within 0.001 of 1: controllable pitch
  BladeDrag drag = BladeDrag::Classic;
  friend bool operator==(const SeriesSettings&, const SeriesSettings&) = default;
};

// Wageningen B-series at ow.J; writes ow.KT, ow.KQ, ow.ETA0.
void WAGENINGEN_B_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float Z);
// Gawn series at ow.J; a Z more than 0.01 away from 3 is overwritten with 3.
void GAWN_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z);
// The series dispatch used by every caller: SERIES 1 -> B, then SERIES 2 -> Gawn.
void SERIES_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z);

// The same evaluation as SERIES_KTKQ for the advance ratios J[0..n) of one
// propeller geometry, SERIES_LANES at a time (n a multiple of SERIES_LANES):
// value k gives bit for bit what SERIES_KTKQ gives with ow.J = J[k]. The
// groups are evaluated in order up to and including the first one holding a
// negative KT; the number of values evaluated is returned. Only the
// correction context of `ow` is read; the results go to KT, KQ, ETA0 (with a
// SERIES that evaluates nothing, all n values get those `ow` holds). With KQ
// and ETA0 null only KT is worked out (the same KT, with less work for a
// fixed-pitch propeller). Used by the searches that sweep a grid of J.
constexpr int SERIES_LANES = 16;
int SERIES_KTKQ_SWEEP(const OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                      float& Z, const float* J, int n, float* KT, float* KQ, float* ETA0);

// The thrust coefficient of one geometry as the polynomial in J it is, with
// real-number coefficients, for telling which advance ratios of a grid need
// the single-precision evaluation at all: KT(J) = a0 + a1 J + a2 J^2 + a3 J^3
// - DKT, and the float evaluation differs from it by at most
// ERROR_BOUND(J), which grows with A(J) = b0 + b1 J + b2 J^2 + b3 J^3, the sum
// of the magnitudes of the terms. Available for a fixed-pitch propeller
// without a blade-drag correction or with one that is the same at every J (a
// given diameter); false otherwise. Z as SERIES_KTKQ_SWEEP takes it (the Gawn
// series is three-bladed).
struct ThrustPolynomial {
  double a[4] = {}, b[4] = {};
  double DKT = 0;  // the constant drag correction subtracted (0 without one)
  int terms = 0;   // the terms of the series' thrust polynomial
  double at(double J) const { return ((a[3] * J + a[2]) * J + a[1]) * J + a[0] - DKT; }
  double magnitude(double J) const { return ((b[3] * J + b[2]) * J + b[1]) * J + b[0]; }
  // A bound of |KT_float - KT| at J: each term rounded at most 13 times, the
  // sum once a term, the correction once, and the double arithmetic here
  // (far below), with room to spare.
  double ERROR_BOUND(double J) const {
    const double u = 0x1p-24;
    const double A = magnitude(J);
    return 1.01 * ((terms + 16) * u * A + u * (A + DKT * (DKT < 0 ? -1 : 1)) + 1e-12 * A);
  }
};
bool THRUST_POLYNOMIAL(const OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                       float& Z, ThrustPolynomial& p);

// The machine code of the lanes: the baseline instruction set, or AVX2 (two
// registers of eight lanes). Both builds carry out the same single-precision
// operations in the same order (no fused multiply-add), so they give the same
// floats; SERIES_KTKQ_SWEEP uses AVX2 when the processor has it.
enum class LaneCode { Baseline, Avx2 };
bool LANE_CODE_AVAILABLE(LaneCode code);
// SERIES_KTKQ_SWEEP on the given code (which must be available).
int SERIES_KTKQ_SWEEP_WITH(LaneCode code, const OpenWaterState& ow, const SeriesSettings& set,
                           float PD, float EAR, float& Z, const float* J, int n, float* KT,
                           float* KQ, float* ETA0);

// True when the propeller counts as controllable-pitch.
inline bool IS_CP_PROPELLER(const SeriesSettings& set) {
  float d = set.CPPropeller - 1.0f;
  return (d < 0.0f ? -d : d) < 0.001f;
}

void KTKQ_REYNOLDS_CORRECTION(float D, float PD, int Z, float TC, float CD, float S, float NREF,
                              float NUF, float NUS, float& DKT, float& DKQ);

// The ITTC-78 corrections of a propeller with Z blades, chord c and
// thickness-chord ratio TC at 0.75 R, diameter D and pitch ratio PD:
// KT(full scale) = KT - DKT, KQ(full scale) = KQ - DKQ, with
// DKT = -dCD 0.3 PD cZ/D and DKQ = +dCD 0.25 cZ/D, dCD = CDM - CDS the
// section drag at Rn 2e6 less that of the rough full-scale blade.
void ITTC78_CORRECTION(float D, float PD, float Z, float c, float TC, float& DKT, float& DKQ);

}  // namespace vdk
