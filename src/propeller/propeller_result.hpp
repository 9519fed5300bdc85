// The propeller the run has settled on, and the candidates of the last
// optimum search.
#pragma once

#include "core/arrays.hpp"

namespace vdk {

constexpr int MAX_CANDIDATES = 1000;

struct PropellerResult {
  int NCAND = 0;
  Arr1<float, MAX_CANDIDATES> JCAND;
  Arr1<float, MAX_CANDIDATES> PDCAND;
  float J = 0;
  float KT = 0;
  float KQ10 = 0;  // 10 KQ as the propeller routines leave it (KQ after the power chain)
  float ETA0 = 0;
  float PD = 0;
  float N = 0;   // rpm; holds the rpm of the ship data file until a routine sets it
  float Pd = 0;  // power absorbed per propeller, kW
  float D = 0;
};

}  // namespace vdk
