// The ship record (every particular of the ship data file) and the speed
// table (per-speed results of the resistance calculation and later parts).
//
// Installed public header of the engine library (the ship record): changes to it are changes to
// what other programs build against.
#pragma once

#include <string>
#include <vector>

#include "core/arrays.hpp"

namespace vdk {

constexpr int MAX_SPEEDS = 50;
constexpr int NUM_APPENDAGES = 11;
constexpr int MAX_CORR = 10;

// A value line of the data file that was read, but perhaps not as its writer
// meant: numbers left over after the group's values (a count smaller than
// the list that follows it), or a comma between two digits ("10,5" reads as
// the two values 10 and 5, not as a decimal comma).
struct ReadRemark {
  enum class Kind { ExtraNumbers, CommaBetweenDigits };
  Kind kind = Kind::ExtraNumbers;
  int line = 0;      // line of the data file, from 1
  int group = 0;     // group of the data file
  std::string text;  // the numbers left over, or the token holding the comma
};

struct ShipRecord {
  float RHO = 0, GRAV = 0;
  float Lwl = 0, Lbp = 0, B = 0, Tf = 0, Ta = 0, V = 0, LCB = 0;
  float ABT = 0, HB = 0, AT = 0, Cm = 0, Cwp = 0, Cstern = 0;
  float IE = 0;  // below 1.0: estimated at the first speed
  float S = 0;   // below 1.0: estimated at the first speed
  float ModelScale = 0, ModelWaterTemp = 0;
  float DepthFP = 0, ONYUZ = 0;
  int NSPEED = 0;
  Arr1<float, MAX_SPEEDS> Vs;
  float Vtrial = 0;
  Arr1<float, NUM_APPENDAGES> Sapp;
  Arr1<float, NUM_APPENDAGES> OnePlusK2;
  Arr1<std::string, NUM_APPENDAGES> AppendageName;  // 30 characters each
  int NBT = 0;
  float DBT = 0;
  float D = 0, N = 0, PD = 0;
  float Hsd = 0;  // shaft immersion below the aft waterline
  float CPPropeller = 0;
  int NPROP = 0, SERIES = 0, IPOD = 0;
  float MCR = 0, SeaMargin = 0, etas = 0;
  float FFDF = 0, CFw = 0, CFt = 0, CFetaR = 0;
  float Roughness = 0;
  int NCORR = 0;
  Arr1<float, MAX_CORR> Fcorr;
  int NoDN = 0;                          // 1: neither diameter nor rpm given (resistance-only run)
  std::vector<ReadRemark> read_remarks;  // lines read, but perhaps not as meant
};

// Fixed appendage names (blank-padded to 30) and default (1+k2) values.
void ASSIGN_APPENDAGE_NAMES(ShipRecord& ship);

struct SpeedTable {
  using Col = Arr1<float, MAX_SPEEDS>;
  // Resistance calculation
  Col FnArr, RnArr, CFArr, CVArr, RFArr, RAPPArr, RAIRArr;
  Col RWArr, RBArr, RTRArr, RBTArr;
  Col CAArr, RAArr, RVArr, RTArr, CTArr, CRArr, PEArr;
  Col FacArr;  // wave-resistance correction factor at each speed
  // Propulsion
  Col PEtrArr;          // trial-condition effective power
  Col WFT, ThDF, ETAR;  // Holtrop factors at every speed
};

}  // namespace vdk
