// The resistance values as the whole-run state holds them for the steps that
// still read them from there (filled by the run-state adapters of the
// resistance calculation from its result records). After the speed loop the
// per-speed fields hold the values of the last speed.
#pragma once

#include "core/arrays.hpp"
#include "input/ship_record.hpp"

namespace vdk {

struct ResistanceState {
  // Set once by the input summary
  float Sapptot = 0;
  float OnePlusK2eff = 0;
  int PropCase = 0;  // 0..4, which of D, N and P/D were given
  float DISPW = 0;   // displacement weight, N

  // Hull form at the current speed
  float VS = 0, Fn = 0, Tmean = 0;
  float CB = 0, CP = 0, CBlwl = 0, CWPlwl = 0, CPlwl = 0, lcb = 0;
  float LR = 0, C = 0, S_Taylan = 0;
  float SE = 0;  // wetted surface estimate (appendages included)
  float OnePlusK = 0, OnePlusKGrigson = 0;
  float KHoltrop = 0;  // bare-hull form factor before the FFDF correction

  // Friction, appendages, wind
  float Rn = 0, CF = 0, CV = 0, RF = 0, RAPP = 0, RAIR = 0;
  float AFRONT = 0, CAA = 0;

  // Wave, bulb, transom, bow thruster
  float IE_est = 0;
  float C1 = 0, C2 = 0, C3 = 0, C4 = 0, C5 = 0, C6 = 0, C15 = 0, C17 = 0;
  float M1 = 0, M2 = 0, M3 = 0, M4 = 0, LAMDA = 0;
  float Rw = 0, Rbulb = 0, Rayna = 0, Rbot = 0, CW = 0;

  // Correlation and totals
  float CA = 0, RA = 0, RT = 0, CT = 0, CR = 0, PE = 0;

  // Wave-resistance correction
  int CorrFlag = 0;
  Arr1<float, MAX_CORR> Vc;  // speeds of the correction factors, knots
};

}  // namespace vdk
