// The report of a run written step by step: after each step of the
// calculation, that step's lines on the console and in the results file.
#pragma once

#include <ostream>

#include "run/calculate.hpp"

namespace vdk {

class ReportWriter : public RunObserver {
 public:
  ReportWriter(std::ostream& con, std::ostream& son) : con_(con), son_(son) {}
  void step(const RunResult& r, RunStep s) override;

 protected:
  std::ostream& con_;
  std::ostream& son_;
};

// The whole report of a finished run at once (console lines and results
// file), as the program writes it when every answer comes from a script.
void WRITE_REPORT(std::ostream& con, std::ostream& son, const RunResult& r);

}  // namespace vdk
