// Scalars of the propulsion analysis at the trial speed and of the power
// chain, shared by the Holtrop factor stretch, the trial propeller
// determination and the power chain.
#pragma once

namespace vdk {

struct PropulsionState {
  int ITR = 0;     // position of the trial speed in the speed list
  float w = 0;     // effective wake fraction (after correction factor)
  float t = 0;     // thrust deduction fraction (after correction factor)
  float etaR = 0;  // relative rotative efficiency (after correction factor)

  // Trial-condition determination
  float PEtrial = 0;  // effective power at the trial speed, kW
  float etad = 0;     // assumed, later computed, overall propulsive efficiency
  float etadc = 0;    // computed overall propulsive efficiency
  float Pd = 0;       // delivered power, kW
  float Va = 0;       // advance speed, knots
  float Rt = 0;       // total resistance at trial derived from power, kN
  float T = 0;        // thrust per propeller, kN
  float Z = 0;        // blade number
  float EAR = 0;      // expanded area ratio in use
  float EARK = 0;     // Keller's area ratio

  // Power chain
  float Pb = 0, Pbm = 0, Pbd = 0;
  float JTR = 0, PDTR = 0, PABS = 0, THR = 0;
};

}  // namespace vdk
