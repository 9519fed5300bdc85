// The figures of a run, drawn from its records as SVG: the resistance
// components, the powers, the open-water diagram, the Burrill diagram, the
// minimum-service rpm and power, and the optimum-search candidates. A figure
// whose data the run did not produce is left out, with the reason.
#pragma once

#include <string>
#include <vector>

#include "view/result_view.hpp"

namespace vdk {

struct Figure {
  std::string file;   // file name, e.g. "resistance.svg"
  std::string title;  // English title with the data file and the run date
  std::string svg;    // the <svg> element
};

struct LeftOutFigure {
  std::string file;
  std::string title;   // what the figure would show
  std::string reason;  // why the run gave nothing to draw
};

struct RunFigures {
  std::vector<Figure> drawn;  // in the fixed order of the figures
  std::vector<LeftOutFigure> left_out;
};

RunFigures RUN_FIGURES(const ResultView& view);

}  // namespace vdk
