// A small design sweep through the engine library: the ship of a data file
// with its moulded breadth B varied (displacement kept), each variant
// validated and calculated with fixed answers (etad 0.604, four blades,
// Keller's area ratio), one CSV row per variant on standard output: the
// status, RT and PE at the trial speed, and the selected propeller with the
// brake power. A value the run did not reach is left empty.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "input/read_ship_data.hpp"
#include "run/calculate.hpp"

int main(int argc, char** argv) {
  if (argc != 2) return std::cerr << "usage: sweep_api SHIP-DATA-FILE\n", 1;
  vdk::Answers answers;
  answers.etad = 0.604f;
  answers.Z = 4.0f;
  std::printf("B_m,status,RT_kN,PE_kW,D_m,PD,eta0,PB_kW\n");
  for (const float B : {31.0f, 31.5f, 32.0f, 32.5f, 33.0f}) {
    // The file read again with B in place, so that whatever the reader derives is derived anew.
    std::ifstream file(argv[1], std::ios::binary);
    const vdk::FieldValue breadth[] = {{"B", B}};
    const vdk::ReadResult read = vdk::READ_SHIP_DATA(file, argv[1], breadth);
    if (read.stop) {
      for (const std::string& line : read.message_lines) std::cerr << line << '\n';
      return 1;
    }
    const vdk::ValidationResult valid = vdk::VALIDATE_SHIP_DATA(read.ship);
    const vdk::RunResult r = valid.stop ? vdk::RunResult{} : vdk::CALCULATE(read.ship, answers);
    const int itr = r.prerequisites.ITR;
    std::printf("%.2f,%d", B, valid.stop ? valid.stop->status : r.status());
    if (itr > 0)
      std::printf(",%.2f,%.1f", r.tables.RT_corrected(itr), r.tables.PE_corrected(itr));
    else
      std::printf(",,");
    if (r.trial)
      std::printf(",%.3f,%.3f,%.4f", r.trial->sel.D, r.trial->sel.PD, r.trial->sel.ETA0);
    else
      std::printf(",,,");
    if (r.power_chain)
      std::printf(",%.1f\n", r.power_chain->Pb);
    else
      std::printf(",\n");
  }
}
