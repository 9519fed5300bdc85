// One ship through the installed engine: read, calculate, print the trial point.
#include <iostream>
#include <vardelonteksa/vardelonteksa.hpp>

int main(int argc, char** argv) {
  namespace v = vardelonteksa;
  v::Options o;
  o.blades = 4;  // etad found by repeated passes
  const v::Result r = v::calculate(v::read_ship(argc > 1 ? argv[1] : "VARDELONTEKSA.TSK"), o);
  if (const v::TrialPoint* t = r.trial())
    std::cout << "PB " << t->PB << " kW, P/D " << t->pitch_ratio << ", eta0 " << t->eta0
              << ", etad " << t->etad << '\n';
  return r.status();
}
