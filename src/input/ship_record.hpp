// The ship record (every particular of the ship data file) and the speed
// table (per-speed results of the resistance calculation and later parts).
//
// The record holds the values as given, and the values derived from them
// (the appendage form factors in use, the shaft immersion, whether a
// propeller is given and which of its data). DERIVE_SHIP derives them, for
// every reader and after every change of a given value, so that a record made
// or changed in code is calculated exactly as one read from a file.
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
  // (1+k2) of each appendage kind as given; 0.001 or less in magnitude keeps
  // the kind's default.
  Arr1<float, NUM_APPENDAGES> OnePlusK2Given;
  int NBT = 0;
  float DBT = 0;
  float D = 0, N = 0, PD = 0;
  // Height of the shaft centre above the base line as given; below 0.01 in
  // magnitude it is taken as 0.32 Ta.
  float ShaftHeight = 0;
  float CPPropeller = 0;
  int NPROP = 0, SERIES = 0, IPOD = 0;
  float MCR = 0, SeaMargin = 0, etas = 0;
  float FFDF = 0, CFw = 0, CFt = 0, CFetaR = 0;
  float Roughness = 0;
  int NCORR = 0;
  Arr1<float, MAX_CORR> Fcorr;
  std::string name;                      // the ship's name ("" when the input gives none)
  std::vector<ReadRemark> read_remarks;  // lines read, but perhaps not as meant

  // Derived by DERIVE_SHIP from the values above.
  Arr1<std::string, NUM_APPENDAGES> AppendageName;  // 30 characters each
  Arr1<float, NUM_APPENDAGES> OnePlusK2;            // (1+k2) in use: the given one or the default
  float Hsd = 0;                                    // shaft immersion below the aft waterline, m
  int NoDN = 0;      // 1: neither diameter nor rpm given (resistance-only run)
  int PropCase = 0;  // 0..4: which of D, N and P/D are given (0: neither D nor N)
};

// The groups of the data file in which the given values lie that each
// derived value depends on: a record read only up to a group has the values
// derived from that far (the file's last group derives them all).
constexpr int LAST_GROUP = 43;

// Derives the values of the record that follow from the given ones: the
// appendage names, the (1+k2) of each appendage kind (the given one when its
// magnitude exceeds 0.001, otherwise the kind's default), NoDN (neither D nor
// N given: both below 0.001 in magnitude), the propeller-data case, and the
// shaft immersion Hsd = Ta - h, with h the shaft height as given or 0.32 Ta
// when that is below 0.01 in magnitude. `read_up_to`: the last data-file
// group whose values the record holds; a value derived from a later group is
// left as a fresh record has it.
void DERIVE_SHIP(ShipRecord& ship, int read_up_to = LAST_GROUP);

// Which of the propeller's diameter D, rpm N and pitch ratio PD are given
// (threshold 0.1, each later rule overriding an earlier one that matched):
// 1 D alone, 2 D and N, 3 N alone, 4 D, N and PD; 0 when none matches.
int PROPELLER_DATA_CASE(float D, float N, float PD);

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
