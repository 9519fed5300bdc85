// Propeller selection: optimum searches, given-propeller operating point,
// propulsion characteristics over the speed range.
#pragma once

#include <istream>
#include <ostream>

#include "input/ship_record.hpp"
#include "propeller/open_water.hpp"
#include "propeller/propeller_result.hpp"

namespace vdk {

// What every propeller routine works with: the two outputs (each report line
// goes to the console, then to the results file), the series settings and the
// two shared propeller records.
struct PropellerContext {
  std::ostream& con;
  std::ostream& son;
  SeriesSettings set;
  OpenWaterState& ow;
  PropellerResult& pr;
};

// Optimum propeller for a given diameter (thrust loading KT/J^2).
void OPTIMUM_PROPELLER_KTJ2(PropellerContext& ctx, float T, float D, float Va, float RHO,
                            float& Z, float EAR);
// Optimum propeller for a given rpm (KT/J^4); the diameter found is written to D.
void OPTIMUM_PROPELLER_KTJ4(PropellerContext& ctx, float T, float N, float& D, float Va,
                            float RHO, float& Z, float EAR);
// Index (1-based) of the most efficient of A(1..NC), compared at 0.001 after truncation.
void BEST_EFFICIENCY(int NC, const float* A, int& IBEST, int NDIM);

// Smallest pitch ratio giving more than the required thrust at given D and N.
void PITCH_FOR_THRUST(PropellerContext& ctx, float T, float D, float N, float Va, float RHO,
                      float& Z, float EAR);
// Operating point of a fully given propeller.
void GIVEN_PROPELLER(PropellerContext& ctx, float PD, float N, float D, float Va, float RHO,
                     float& Z, float EAR);

// Open-water table of the settled propeller over the J grid plus the design J,
// and the minimum-service propulsion table over the speed list (console pass
// with a pause after the open-water block, then the results-file pass with the
// legend). VS, PE, WFT, ThDF and ETAR point at speed 1. `in` answers the pause.
void PROPULSION_CHARACTERISTICS_II(PropellerContext& ctx, std::istream& in, float JD, float PD,
                                   float EAR, float& Z, float PDEL, float TH, float N, float VD,
                                   float KTD, float KQD, int NV, const float* VS, const float* PE,
                                   float D, float ETATR, float RHO, float WD, float TD, int NPROP,
                                   int IPOD, const float* WFT, const float* ThDF,
                                   const float* ETAR);

// Nearest integer, halves away from zero (the PE and PB columns); a value no
// integer field can hold comes back larger than any field.
long long NEAREST_INTEGER(float x);

// Sorts A(1..N) (A points at element 1) into ascending order by selection.
void SORT_ASCENDING(int N, float* A);

}  // namespace vdk
