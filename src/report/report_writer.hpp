// The report of a run written step by step: after each step of the
// calculation, that step's lines on the console and in the results file, in
// the language of the report (Turkish unless another is asked for).
#pragma once

#include <ostream>

#include "report/lang.hpp"
#include "run/calculate.hpp"

namespace vdk {

class ReportWriter : public RunObserver {
 public:
  ReportWriter(std::ostream& con, std::ostream& son, Lang l = Lang::Tr)
      : con_(con), son_(son), l_(l) {}
  void step(const RunResult& r, RunStep s) override;

 protected:
  std::ostream& con_;
  std::ostream& son_;
  Lang l_;
};

// The whole report of a finished run at once (console lines and results
// file), as the program writes it when every answer comes from a script.
void WRITE_REPORT(std::ostream& con, std::ostream& son, const RunResult& r, Lang l = Lang::Tr);

}  // namespace vdk
