// A small design sweep through the installed engine: the ship of a data file
// with its moulded breadth B varied (displacement kept), each variant
// calculated with fixed answers (etad 0.604, four blades, Keller's area
// ratio), one CSV row per variant on standard output: the status, RT and PE
// at the trial speed, and the propeller the brake power was computed with.
// A value the run did not reach is left empty.
#include <cstdio>
#include <iostream>
#include <vardelonteksa/vardelonteksa.hpp>

int main(int argc, char** argv) {
  namespace v = vardelonteksa;
  if (argc != 2) return std::cerr << "usage: sweep_api SHIP-DATA-FILE\n", 1;
  try {
    v::Ship ship = v::read_ship(argv[1]);
    v::Options o;
    o.etad = 0.604;
    o.blades = 4;
    std::printf("B_m,status,RT_kN,PE_kW,D_m,PD,eta0,PB_kW\n");
    for (const double B : {31.0, 31.5, 32.0, 32.5, 33.0}) {
      ship.set("B", B);  // the values derived from it follow
      const v::Result r = v::calculate(ship, o);
      std::printf("%.2f,%d", B, r.status());
      if (const v::TrialPoint* t = r.trial())
        std::printf(",%.2f,%.1f,%.3f,%.3f,%.4f,%.1f\n", t->RT, t->PE, t->D, t->pitch_ratio, t->eta0,
                    t->PB);
      else
        std::printf(",,,,,,\n");
    }
  } catch (const v::Error& e) {
    std::cerr << "sweep_api: " << e.what() << '\n';
    return e.status();
  }
}
