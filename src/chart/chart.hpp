// A small chart drawn as plain SVG 1.1: a title, linear axes with ticks at
// round numbers, line series with dash patterns and markers, stacked areas,
// marked points with labels, vertical lines and a legend. The drawing needs
// no script, no external font and no other file, and reads in black and
// white as well as in colour (the Okabe-Ito palette, with dash patterns,
// markers and hatching beside the colours).
//
// Coordinates are data values in double; the chart scales them itself.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vdk {

// The Okabe-Ito palette, safe for the common colour-vision deficiencies, in
// the order the chart hands colours to series that name none (the yellow
// last: it is faint on white).
constexpr std::array<const char*, 8> OKABE_ITO = {
    "#0072B2",  // blue
    "#D55E00",  // vermillion
    "#009E73",  // bluish green
    "#CC79A7",  // reddish purple
    "#E69F00",  // orange
    "#56B4E9",  // sky blue
    "#000000",  // black
    "#F0E442",  // yellow
};

enum class Dash { Solid, Dashed, Dotted, DashDot, LongDash };
enum class Marker { None, Circle, Square, Triangle, Diamond, TriangleDown, Cross, Plus };
enum class Hatch { None, Diagonal, BackDiagonal, Horizontal, Vertical, Crossed, Dots };
enum class YAxis { Left, Right };

struct ChartPoint {
  double x = 0, y = 0;
};

// A polyline through the points in their order.
struct LineSeries {
  std::string name;  // legend text; empty: not in the legend
  std::vector<ChartPoint> points;
  std::string colour;  // "#RRGGBB"; empty: the next palette colour
  Dash dash = Dash::Solid;
  Marker marker = Marker::None;  // drawn at every point
  YAxis axis = YAxis::Left;
  double width = 1.8;  // stroke width in chart units (a chart is 680 units wide)
};

// One band of a stack: its thickness at each x of the stack.
struct AreaBand {
  std::string name;
  std::vector<double> thickness;
  std::string colour;  // empty: the next palette colour
  Hatch hatch = Hatch::None;
};

// Bands stacked from the bottom up over the common x values, on the left axis.
struct StackedAreas {
  std::vector<double> x;
  std::vector<AreaBand> bands;
};

// A marked point with its label written beside it.
struct PointMark {
  ChartPoint at;
  std::string label;   // beside the marker; empty: none
  std::string legend;  // legend text; empty: not in the legend
  Marker marker = Marker::Circle;
  std::string colour = "#000000";
  YAxis axis = YAxis::Left;
  double size = 5;  // marker half-size in chart units
};

// A vertical line across the plot (a trial speed, a design point).
struct VerticalLine {
  double x = 0;
  std::string label;   // written at the top of the line
  std::string legend;  // legend text; empty: not in the legend
  std::string colour = "#000000";
  Dash dash = Dash::Dashed;
};

struct AxisSpec {
  std::string title;          // quantity, symbol and unit, e.g. "Total resistance RT (kN)"
  std::optional<double> min;  // fixed ends; otherwise from the data, widened to round ticks
  std::optional<double> max;
  bool include_zero = false;  // the automatic range reaches down (or up) to zero
};

struct Chart {
  std::string id;  // prefix of the SVG ids (unique per chart on a page)
  std::string title;
  std::string subtitle;  // below the title, smaller; '\n' starts another line
  AxisSpec x, y;
  AxisSpec y2;  // the right axis, drawn when a series or mark uses it
  std::optional<StackedAreas> areas;
  std::vector<LineSeries> lines;
  std::vector<PointMark> points;
  std::vector<VerticalLine> verticals;
  double width_mm = 170;     // printed width; the height follows from the layout
  double plot_height = 330;  // plot area height in chart units
};

// The chart as an <svg> element (SVG 1.1, with its namespace, width and
// height in mm and a viewBox), ready to be written as a file after an XML
// declaration or to stand inline in an XHTML page.
std::string SVG_CHART(const Chart& chart);

// Tick values at round numbers (1, 2 or 5 times a power of ten) covering
// lo..hi in about `target` steps: the first tick at or below lo, the last at
// or above hi. lo == hi is widened around the value.
std::vector<double> ROUND_TICKS(double lo, double hi, int target);

// A tick value as text with as many decimals as the tick step needs.
std::string TICK_TEXT(double value, double step);

// Text for XML character data and attribute values: & < > " ' escaped,
// invalid UTF-8 and control characters other than tab and line ends
// replaced by U+FFFD, so any data-file text gives well-formed XML.
std::string XML_ESCAPE(std::string_view text);

}  // namespace vdk
