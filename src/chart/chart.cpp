#include "chart/chart.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace vdk {

namespace {

// Layout in chart units: the drawing is WIDTH units wide whatever its
// printed width, so text and strokes keep their proportions.
constexpr double WIDTH = 680;
constexpr double LEFT = 74;      // room for the tick labels and the left axis title
constexpr double RIGHT = 24;     // without a right axis
constexpr double RIGHT_Y2 = 74;  // with one
constexpr double TOP = 62;       // title and subtitle above the plot
constexpr double BELOW = 52;     // x tick labels and the x axis title below the plot
constexpr double LEGEND_ROW = 19;
constexpr double FONT = 12;
constexpr double TITLE_FONT = 16;
constexpr const char* GRID = "#D9D9D9";
constexpr const char* INK = "#000000";

// A number for an attribute: at most two decimals, no trailing zeros.
std::string NUM(double v) {
  if (!std::isfinite(v)) v = 0;
  char buf[48];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string s(buf, res.ptr);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

// Width of a text in chart units, from its character count (sans-serif
// averages a little over half the font size per character).
double TEXT_WIDTH(std::string_view s, double font) {
  std::size_t chars = 0;
  for (const char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return 0.58 * font * static_cast<double>(chars);
}

const char* DASH_ARRAY(Dash d) {
  switch (d) {
    case Dash::Solid:
      return nullptr;
    case Dash::Dashed:
      return "7,4";
    case Dash::Dotted:
      return "2,3";
    case Dash::DashDot:
      return "9,3,2,3";
    case Dash::LongDash:
      return "14,4";
  }
  return nullptr;
}

std::string DASH_ATTR(Dash d) {
  const char* a = DASH_ARRAY(d);
  return a ? std::string(" stroke-dasharray=\"") + a + "\"" : std::string();
}

// A marker centred on (cx, cy) with half-size s.
std::string MARKER(Marker m, double cx, double cy, double s, const std::string& colour) {
  const std::string fill = " fill=\"" + colour + "\" stroke=\"" + INK + "\" stroke-width=\"0.8\"";
  auto poly = [&](std::initializer_list<std::pair<double, double>> pts) {
    std::string p = "<polygon points=\"";
    bool first = true;
    for (const auto& [dx, dy] : pts) {
      if (!first) p += ' ';
      first = false;
      p += NUM(cx + dx * s) + "," + NUM(cy + dy * s);
    }
    return p + "\"" + fill + "/>";
  };
  auto strokes = [&](const std::string& d) {
    return "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\"/>";
  };
  switch (m) {
    case Marker::None:
      return {};
    case Marker::Circle:
      return "<circle cx=\"" + NUM(cx) + "\" cy=\"" + NUM(cy) + "\" r=\"" + NUM(0.9 * s) + "\"" +
             fill + "/>";
    case Marker::Square:
      return "<rect x=\"" + NUM(cx - 0.8 * s) + "\" y=\"" + NUM(cy - 0.8 * s) + "\" width=\"" +
             NUM(1.6 * s) + "\" height=\"" + NUM(1.6 * s) + "\"" + fill + "/>";
    case Marker::Triangle:
      return poly({{0, -1.1}, {1, 0.8}, {-1, 0.8}});
    case Marker::TriangleDown:
      return poly({{0, 1.1}, {1, -0.8}, {-1, -0.8}});
    case Marker::Diamond:
      return poly({{0, -1.15}, {1, 0}, {0, 1.15}, {-1, 0}});
    case Marker::Cross:
      return strokes("M" + NUM(cx - s) + "," + NUM(cy - s) + " L" + NUM(cx + s) + "," +
                     NUM(cy + s) + " M" + NUM(cx - s) + "," + NUM(cy + s) + " L" + NUM(cx + s) +
                     "," + NUM(cy - s));
    case Marker::Plus:
      return strokes("M" + NUM(cx - s) + "," + NUM(cy) + " L" + NUM(cx + s) + "," + NUM(cy) + " M" +
                     NUM(cx) + "," + NUM(cy - s) + " L" + NUM(cx) + "," + NUM(cy + s));
  }
  return {};
}

// The strokes of a hatch pattern tile of 8 x 8 units.
std::string HATCH_TILE(Hatch h) {
  const std::string open =
      "<path fill=\"none\" stroke=\"#000000\" stroke-opacity=\"0.55\" "
      "stroke-width=\"0.9\" d=\"";
  const std::string diag = "M0,8 L8,0 M-2,2 L2,-2 M6,10 L10,6";
  const std::string back = "M0,0 L8,8 M6,-2 L10,2 M-2,6 L2,10";
  switch (h) {
    case Hatch::None:
      return {};
    case Hatch::Diagonal:
      return open + diag + "\"/>";
    case Hatch::BackDiagonal:
      return open + back + "\"/>";
    case Hatch::Horizontal:
      return open + "M0,4 L8,4\"/>";
    case Hatch::Vertical:
      return open + "M4,0 L4,8\"/>";
    case Hatch::Crossed:
      return open + diag + " " + back + "\"/>";
    case Hatch::Dots:
      return "<circle cx=\"4\" cy=\"4\" r=\"1.2\" fill=\"#000000\" fill-opacity=\"0.6\"/>";
  }
  return {};
}

// An id prefix made of letters, digits, '-' and '_' only.
std::string ID_PREFIX(const std::string& id) {
  std::string s;
  for (const char c : id)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') s += c;
  if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) s = "chart" + s;
  return s;
}

struct Range {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  void add(double v) {
    if (!std::isfinite(v)) return;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  bool empty() const { return lo > hi; }
};

// The ends and ticks of one axis.
struct Scale {
  double lo = 0, hi = 1;
  std::vector<double> ticks;
  double step = 1;
  double a = 0, b = 1;  // pixel = a + (v - lo) * (b - a) / (hi - lo)
  double at(double v) const { return a + (v - lo) * (b - a) / (hi - lo); }
};

Scale MAKE_SCALE(Range r, const AxisSpec& spec, int target, double a, double b) {
  if (spec.include_zero) r.add(0);
  if (spec.min) r.add(*spec.min);
  if (spec.max) r.add(*spec.max);
  if (r.empty()) r = Range{0, 1};
  double lo = spec.min ? *spec.min : r.lo;
  double hi = spec.max ? *spec.max : r.hi;
  Scale s;
  s.ticks = ROUND_TICKS(lo, hi, target);
  s.step = s.ticks.size() > 1 ? s.ticks[1] - s.ticks[0] : 1;
  s.lo = spec.min ? *spec.min : s.ticks.front();
  s.hi = spec.max ? *spec.max : s.ticks.back();
  if (!(s.hi > s.lo)) s.hi = s.lo + 1;
  const double eps = 1e-9 * s.step;
  std::vector<double> inside;
  for (const double t : s.ticks)
    if (t >= s.lo - eps && t <= s.hi + eps) inside.push_back(t);
  s.ticks = inside;
  s.a = a;
  s.b = b;
  return s;
}

// One legend entry and what its sample shows.
struct LegendEntry {
  enum class Kind { Line, Band, Mark, Vertical } kind = Kind::Line;
  std::string text, colour;
  Dash dash = Dash::Solid;
  Marker marker = Marker::None;
  double width = 1.8;
  std::string fill_ref;  // hatch pattern of a band
};

// A text with a white box under it, so it stays readable over lines.
std::string LABEL(const std::string& text, double x, double y, bool anchor_end) {
  const double w = TEXT_WIDTH(text, FONT);
  const double x0 = anchor_end ? x - w : x;
  return "<rect x=\"" + NUM(x0 - 2) + "\" y=\"" + NUM(y - FONT + 1) + "\" width=\"" + NUM(w + 4) +
         "\" height=\"" + NUM(FONT + 3) + "\" fill=\"#FFFFFF\" fill-opacity=\"0.85\"/>" +
         "<text x=\"" + NUM(x) + "\" y=\"" + NUM(y) + "\"" +
         (anchor_end ? " text-anchor=\"end\"" : "") + ">" + XML_ESCAPE(text) + "</text>\n";
}

}  // namespace

std::vector<double> ROUND_TICKS(double lo, double hi, int target) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return {0, 1};
  if (lo > hi) std::swap(lo, hi);
  if (hi - lo <= 1e-12 * std::max(std::fabs(lo), std::fabs(hi))) {
    const double d = hi == 0 ? 1 : 0.1 * std::fabs(hi);
    lo -= d;
    hi += d;
  }
  if (target < 1) target = 1;
  const double raw = (hi - lo) / target;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  const double r = raw / mag;
  const double step = (r <= 1 + 1e-9 ? 1 : r <= 2 + 1e-9 ? 2 : r <= 5 + 1e-9 ? 5 : 10) * mag;
  const double first = std::floor(lo / step + 1e-9) * step;
  const double last = std::ceil(hi / step - 1e-9) * step;
  const long n = std::lround((last - first) / step);
  std::vector<double> ticks;
  for (long k = 0; k <= n; ++k) {
    double v = first + static_cast<double>(k) * step;
    if (std::fabs(v) < 1e-9 * step) v = 0;
    ticks.push_back(v);
  }
  return ticks;
}

std::string TICK_TEXT(double value, double step) {
  int decimals = 0;
  if (step > 0) decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  char buf[400];  // a fixed-point double with up to 16 decimals
  const auto res =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, std::min(decimals, 16));
  std::string s(buf, res.ptr);
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string XML_ESCAPE(std::string_view text) {
  static constexpr const char* REPLACEMENT = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    // A run of printable ASCII that needs no entity is copied as it stands.
    std::size_t plain = i;
    while (plain < text.size()) {
      const unsigned char p = static_cast<unsigned char>(text[plain]);
      if (p < 0x20 || p >= 0x7F || p == '&' || p == '<' || p == '>' || p == '"' || p == '\'') break;
      ++plain;
    }
    out.append(text.substr(i, plain - i));
    i = plain;
    if (i == text.size()) break;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '&':
          out += "&amp;";
          break;
        case '<':
          out += "&lt;";
          break;
        case '>':
          out += "&gt;";
          break;
        case '"':
          out += "&quot;";
          break;
        case '\'':
          out += "&#39;";
          break;
        default:
          if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            out += REPLACEMENT;
          else if (c == 0x7F)
            out += REPLACEMENT;
          else
            out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    // A multi-byte UTF-8 sequence: kept when well formed (no overlong
    // forms, no surrogates, nothing above U+10FFFF), else one replacement.
    std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (c > 0xF4) len = 0;
    bool ok = len > 0 && i + len <= text.size();
    unsigned cp = len == 2 ? (c & 0x1Fu) : len == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (std::size_t k = 1; ok && k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(text[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cc & 0x3Fu);
    }
    if (ok && ((len == 3 &&
                (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF)) ||
               (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))))
      ok = false;
    if (ok) {
      out.append(text.substr(i, len));
      i += len;
    } else {
      out += REPLACEMENT;
      ++i;
    }
  }
  return out;
}

std::string SVG_CHART(const Chart& chart) {
  const std::string id = ID_PREFIX(chart.id);
  bool right = false;
  for (const LineSeries& l : chart.lines) right = right || l.axis == YAxis::Right;
  for (const PointMark& p : chart.points) right = right || p.axis == YAxis::Right;

  // Colours for series and bands that name none, in palette order.
  std::size_t next_colour = 0;
  auto colour_of = [&](const std::string& c) {
    return c.empty() ? std::string(OKABE_ITO[next_colour++ % OKABE_ITO.size()]) : c;
  };

  // Data ranges.
  Range rx, ry, ry2;
  std::vector<std::vector<double>> tops;  // cumulative top of each band
  if (chart.areas) {
    const StackedAreas& a = *chart.areas;
    std::vector<double> base(a.x.size(), 0.0);
    for (const double x : a.x) rx.add(x);
    if (!a.x.empty()) ry.add(0);
    for (const AreaBand& b : a.bands) {
      std::vector<double> top = base;
      for (std::size_t k = 0; k < a.x.size() && k < b.thickness.size(); ++k)
        top[k] += b.thickness[k];
      for (const double t : top) ry.add(t);
      tops.push_back(top);
      base = top;
    }
  }
  for (const LineSeries& l : chart.lines)
    for (const ChartPoint& p : l.points) {
      rx.add(p.x);
      (l.axis == YAxis::Right ? ry2 : ry).add(p.y);
    }
  for (const PointMark& p : chart.points) {
    rx.add(p.at.x);
    (p.axis == YAxis::Right ? ry2 : ry).add(p.at.y);
  }
  for (const VerticalLine& v : chart.verticals) rx.add(v.x);

  const double plot_l = LEFT, plot_r = WIDTH - (right ? RIGHT_Y2 : RIGHT);
  // The subtitle's lines, each below the one before.
  std::vector<std::string> subtitle;
  for (std::size_t a = 0; !chart.subtitle.empty() && a <= chart.subtitle.size();) {
    const std::size_t e = std::min(chart.subtitle.find('\n', a), chart.subtitle.size());
    subtitle.push_back(chart.subtitle.substr(a, e - a));
    a = e + 1;
  }
  const double plot_t = TOP - 16 + 16 * static_cast<double>(subtitle.size());
  const double plot_b = plot_t + chart.plot_height;
  const Scale sx = MAKE_SCALE(rx, chart.x, 8, plot_l, plot_r);
  const Scale sy = MAKE_SCALE(ry, chart.y, 6, plot_b, plot_t);
  const Scale sy2 = MAKE_SCALE(ry2, chart.y2, 6, plot_b, plot_t);
  auto Y = [&](YAxis a, double v) { return a == YAxis::Right ? sy2.at(v) : sy.at(v); };

  // Legend entries and layout: below the plot, in as many columns as fit.
  std::vector<LegendEntry> legend;
  std::string defs;
  std::vector<std::string> band_colours, band_fill;
  if (chart.areas) {
    int k = 0;
    for (const AreaBand& b : chart.areas->bands) {
      const std::string c = colour_of(b.colour);
      band_colours.push_back(c);
      std::string ref;
      if (b.hatch != Hatch::None) {
        ref = id + "-hatch" + std::to_string(k);
        defs += "<pattern id=\"" + ref +
                "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">" +
                HATCH_TILE(b.hatch) + "</pattern>\n";
      }
      band_fill.push_back(ref);
      if (!b.name.empty())
        legend.push_back({LegendEntry::Kind::Band, b.name, c, Dash::Solid, Marker::None, 0, ref});
      ++k;
    }
  }
  std::vector<std::string> line_colours;
  for (const LineSeries& l : chart.lines) {
    const std::string c = colour_of(l.colour);
    line_colours.push_back(c);
    if (!l.name.empty())
      legend.push_back({LegendEntry::Kind::Line, l.name, c, l.dash, l.marker, l.width, {}});
  }
  for (const VerticalLine& v : chart.verticals)
    if (!v.legend.empty())
      legend.push_back(
          {LegendEntry::Kind::Vertical, v.legend, v.colour, v.dash, Marker::None, 1.4, {}});
  for (const PointMark& p : chart.points)
    if (!p.legend.empty())
      legend.push_back({LegendEntry::Kind::Mark, p.legend, p.colour, Dash::Solid, p.marker, 0, {}});

  const double sample = 34;
  double col_w = 0;
  for (const LegendEntry& e : legend)
    col_w = std::max(col_w, sample + 8 + TEXT_WIDTH(e.text, FONT));
  col_w += 16;
  const double legend_w = WIDTH - 2 * 20;
  const std::size_t cols =
      legend.empty() ? 1 : std::max<std::size_t>(1, static_cast<std::size_t>(legend_w / col_w));
  const std::size_t rows = (legend.size() + cols - 1) / cols;
  const double legend_t = plot_b + BELOW + 6;
  const double height = legend_t + static_cast<double>(rows) * LEGEND_ROW + 6;

  std::string s;
  s.reserve(16384);
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + NUM(chart.width_mm) +
       "mm\" height=\"" + NUM(chart.width_mm * height / WIDTH) + "mm\" viewBox=\"0 0 " +
       NUM(WIDTH) + " " + NUM(height) + "\" font-family=\"sans-serif\" font-size=\"" + NUM(FONT) +
       "\">\n";
  s += "<title>" + XML_ESCAPE(chart.title) + "</title>\n";
  s += "<defs>\n<clipPath id=\"" + id + "-plot\"><rect x=\"" + NUM(plot_l) + "\" y=\"" +
       NUM(plot_t) + "\" width=\"" + NUM(plot_r - plot_l) + "\" height=\"" + NUM(plot_b - plot_t) +
       "\"/></clipPath>\n" + defs + "</defs>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"" + NUM(WIDTH) + "\" height=\"" + NUM(height) +
       "\" fill=\"#FFFFFF\"/>\n";
  s += "<text x=\"" + NUM(WIDTH / 2) + "\" y=\"22\" text-anchor=\"middle\" font-size=\"" +
       NUM(TITLE_FONT) + "\" font-weight=\"bold\">" + XML_ESCAPE(chart.title) + "</text>\n";
  for (std::size_t k = 0; k < subtitle.size(); ++k)
    s += "<text x=\"" + NUM(WIDTH / 2) + "\" y=\"" + NUM(40 + 16 * static_cast<double>(k)) +
         "\" text-anchor=\"middle\">" + XML_ESCAPE(subtitle[k]) + "</text>\n";

  // Grid at the ticks of the x axis and the left axis.
  s += "<g stroke=\"" + std::string(GRID) + "\" stroke-width=\"0.7\">\n";
  for (const double t : sx.ticks)
    s += "<line x1=\"" + NUM(sx.at(t)) + "\" y1=\"" + NUM(plot_t) + "\" x2=\"" + NUM(sx.at(t)) +
         "\" y2=\"" + NUM(plot_b) + "\"/>\n";
  for (const double t : sy.ticks)
    s += "<line x1=\"" + NUM(plot_l) + "\" y1=\"" + NUM(sy.at(t)) + "\" x2=\"" + NUM(plot_r) +
         "\" y2=\"" + NUM(sy.at(t)) + "\"/>\n";
  s += "</g>\n";

  s += "<g clip-path=\"url(#" + id + "-plot)\">\n";
  // Stacked bands, each from the top of the one below to its own top.
  if (chart.areas) {
    const StackedAreas& a = *chart.areas;
    for (std::size_t b = 0; b < tops.size(); ++b) {
      std::string pts;
      for (std::size_t k = 0; k < a.x.size(); ++k)
        pts += NUM(sx.at(a.x[k])) + "," + NUM(sy.at(tops[b][k])) + " ";
      for (std::size_t k = a.x.size(); k-- > 0;)
        pts += NUM(sx.at(a.x[k])) + "," + NUM(sy.at(b == 0 ? 0.0 : tops[b - 1][k])) + " ";
      if (!pts.empty()) pts.pop_back();
      s += "<polygon points=\"" + pts + "\" fill=\"" + band_colours[b] +
           "\" fill-opacity=\"0.8\" stroke=\"#333333\" stroke-width=\"0.6\"/>\n";
      if (!band_fill[b].empty())
        s += "<polygon points=\"" + pts + "\" fill=\"url(#" + band_fill[b] +
             ")\" stroke=\"none\"/>\n";
    }
  }
  for (std::size_t k = 0; k < chart.lines.size(); ++k) {
    const LineSeries& l = chart.lines[k];
    if (l.points.size() < 2) continue;
    std::string pts;
    for (const ChartPoint& p : l.points) pts += NUM(sx.at(p.x)) + "," + NUM(Y(l.axis, p.y)) + " ";
    pts.pop_back();
    s += "<polyline points=\"" + pts + "\" fill=\"none\" stroke=\"" + line_colours[k] +
         "\" stroke-width=\"" + NUM(l.width) + "\" stroke-linejoin=\"round\"" + DASH_ATTR(l.dash) +
         "/>\n";
  }
  for (const VerticalLine& v : chart.verticals)
    s += "<line x1=\"" + NUM(sx.at(v.x)) + "\" y1=\"" + NUM(plot_t) + "\" x2=\"" + NUM(sx.at(v.x)) +
         "\" y2=\"" + NUM(plot_b) + "\" stroke=\"" + v.colour + "\" stroke-width=\"1.4\"" +
         DASH_ATTR(v.dash) + "/>\n";
  for (std::size_t k = 0; k < chart.lines.size(); ++k) {
    const LineSeries& l = chart.lines[k];
    if (l.marker == Marker::None) continue;
    for (const ChartPoint& p : l.points)
      s += MARKER(l.marker, sx.at(p.x), Y(l.axis, p.y), 3.6, line_colours[k]) + "\n";
  }
  s += "</g>\n";

  // Frame, ticks and tick labels.
  s += "<rect x=\"" + NUM(plot_l) + "\" y=\"" + NUM(plot_t) + "\" width=\"" + NUM(plot_r - plot_l) +
       "\" height=\"" + NUM(plot_b - plot_t) + "\" fill=\"none\" stroke=\"" + INK +
       "\" stroke-width=\"1\"/>\n";
  s += "<g stroke=\"" + std::string(INK) + "\" stroke-width=\"1\">\n";
  for (const double t : sx.ticks)
    s += "<line x1=\"" + NUM(sx.at(t)) + "\" y1=\"" + NUM(plot_b) + "\" x2=\"" + NUM(sx.at(t)) +
         "\" y2=\"" + NUM(plot_b + 5) + "\"/>\n";
  for (const double t : sy.ticks)
    s += "<line x1=\"" + NUM(plot_l - 5) + "\" y1=\"" + NUM(sy.at(t)) + "\" x2=\"" + NUM(plot_l) +
         "\" y2=\"" + NUM(sy.at(t)) + "\"/>\n";
  if (right)
    for (const double t : sy2.ticks)
      s += "<line x1=\"" + NUM(plot_r) + "\" y1=\"" + NUM(sy2.at(t)) + "\" x2=\"" +
           NUM(plot_r + 5) + "\" y2=\"" + NUM(sy2.at(t)) + "\"/>\n";
  s += "</g>\n";
  for (const double t : sx.ticks)
    s += "<text x=\"" + NUM(sx.at(t)) + "\" y=\"" + NUM(plot_b + 18) +
         "\" text-anchor=\"middle\">" + TICK_TEXT(t, sx.step) + "</text>\n";
  for (const double t : sy.ticks)
    s += "<text x=\"" + NUM(plot_l - 8) + "\" y=\"" + NUM(sy.at(t) + 4) +
         "\" text-anchor=\"end\">" + TICK_TEXT(t, sy.step) + "</text>\n";
  if (right)
    for (const double t : sy2.ticks)
      s += "<text x=\"" + NUM(plot_r + 8) + "\" y=\"" + NUM(sy2.at(t) + 4) + "\">" +
           TICK_TEXT(t, sy2.step) + "</text>\n";

  // Axis titles.
  const double mid_y = (plot_t + plot_b) / 2;
  s += "<text x=\"" + NUM((plot_l + plot_r) / 2) + "\" y=\"" + NUM(plot_b + 40) +
       "\" text-anchor=\"middle\">" + XML_ESCAPE(chart.x.title) + "</text>\n";
  s += "<text transform=\"translate(16," + NUM(mid_y) + ") rotate(-90)\" text-anchor=\"middle\">" +
       XML_ESCAPE(chart.y.title) + "</text>\n";
  if (right)
    s += "<text transform=\"translate(" + NUM(WIDTH - 14) + "," + NUM(mid_y) +
         ") rotate(90)\" text-anchor=\"middle\">" + XML_ESCAPE(chart.y2.title) + "</text>\n";

  // Labels of the vertical lines, at the top of the plot.
  for (const VerticalLine& v : chart.verticals) {
    if (v.label.empty()) continue;
    const double px = sx.at(v.x);
    // Above the frame, so that the label hides no data.
    const double w = TEXT_WIDTH(v.label, FONT);
    const double lx = std::clamp(px - w / 2, plot_l, std::max(plot_l, plot_r - w));
    s += "<text x=\"" + NUM(lx) + "\" y=\"" + NUM(plot_t - 5) + "\">" + XML_ESCAPE(v.label) +
         "</text>\n";
  }
  // Marked points with their labels. Each label goes to the one of eight
  // places around its marker that covers the fewest drawn points of the
  // lines and no label placed before it, inside the plot when it can.
  std::vector<ChartPoint> drawn;  // the lines sampled every few units
  auto sample_line = [&](const std::vector<ChartPoint>& px_points) {
    for (std::size_t k = 0; k + 1 < px_points.size(); ++k) {
      const ChartPoint a = px_points[k], b = px_points[k + 1];
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      const int n = std::max(1, static_cast<int>(len / 3));
      for (int j = 0; j <= n; ++j) {
        const double f = static_cast<double>(j) / n;
        drawn.push_back({a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)});
      }
    }
  };
  for (const LineSeries& l : chart.lines) {
    std::vector<ChartPoint> px_points;
    for (const ChartPoint& p : l.points) px_points.push_back({sx.at(p.x), Y(l.axis, p.y)});
    sample_line(px_points);
  }
  if (chart.areas)
    for (const std::vector<double>& top : tops) {
      std::vector<ChartPoint> px_points;
      for (std::size_t k = 0; k < top.size(); ++k)
        px_points.push_back({sx.at(chart.areas->x[k]), sy.at(top[k])});
      sample_line(px_points);
    }
  for (const VerticalLine& v : chart.verticals)
    sample_line({{sx.at(v.x), plot_t}, {sx.at(v.x), plot_b}});
  // A marker weighs as much as a stretch of line under it.
  for (const PointMark& p : chart.points)
    for (int k = 0; k < 20; ++k) drawn.push_back({sx.at(p.at.x), Y(p.axis, p.at.y)});
  struct Box {
    double x0, y0, x1, y1;
  };
  std::vector<Box> placed;
  for (const PointMark& p : chart.points) {
    const double px = sx.at(p.at.x), py = Y(p.axis, p.at.y);
    s += MARKER(p.marker, px, py, p.size, p.colour) + "\n";
    if (p.label.empty()) continue;
    const double w = TEXT_WIDTH(p.label, FONT) + 4, h = FONT + 3, gap = p.size + 4;
    double best_cost = std::numeric_limits<double>::infinity();
    Box best{};
    // Right, left or centred on the marker; beside, above or below it.
    static constexpr int PLACES[8][2] = {{1, 0},   {1, -1}, {1, 1},  {-1, 0},
                                         {-1, -1}, {-1, 1}, {0, -1}, {0, 1}};
    for (int place = 0; place < 8; ++place) {
      const int col = PLACES[place][0], row = PLACES[place][1];
      const double cx = col > 0 ? px + gap : col < 0 ? px - gap - w : px - w / 2;
      const double cy = row < 0   ? py - gap - h + (col != 0 ? gap / 2 : 0)
                        : row > 0 ? py + gap - (col != 0 ? gap / 2 : 0)
                                  : py - h / 2;
      const Box b{cx, cy, cx + w, cy + h};
      double cost = 0;
      for (const ChartPoint& d : drawn)
        if (d.x >= b.x0 - 1 && d.x <= b.x1 + 1 && d.y >= b.y0 - 1 && d.y <= b.y1 + 1) cost += 1;
      for (const Box& o : placed)
        if (b.x0 < o.x1 && o.x0 < b.x1 && b.y0 < o.y1 && o.y0 < b.y1) cost += 1000;
      if (b.x0 < plot_l || b.x1 > plot_r || b.y0 < plot_t || b.y1 > plot_b) cost += 500;
      cost += 0.01 * place;  // on a tie, the earlier place
      if (cost < best_cost) {
        best_cost = cost;
        best = b;
      }
    }
    placed.push_back(best);
    s += LABEL(p.label, best.x0 + 2, best.y1 - 3, false);
  }

  // Legend.
  for (std::size_t k = 0; k < legend.size(); ++k) {
    const LegendEntry& e = legend[k];
    const double x0 = 20 + static_cast<double>(k % cols) * col_w;
    const double yc = legend_t + static_cast<double>(k / cols) * LEGEND_ROW + LEGEND_ROW / 2;
    switch (e.kind) {
      case LegendEntry::Kind::Band:
        s += "<rect x=\"" + NUM(x0 + 4) + "\" y=\"" + NUM(yc - 6) + "\" width=\"" +
             NUM(sample - 8) + "\" height=\"12\" fill=\"" + e.colour +
             "\" fill-opacity=\"0.8\" stroke=\"#333333\" stroke-width=\"0.6\"/>";
        if (!e.fill_ref.empty())
          s += "<rect x=\"" + NUM(x0 + 4) + "\" y=\"" + NUM(yc - 6) + "\" width=\"" +
               NUM(sample - 8) + "\" height=\"12\" fill=\"url(#" + e.fill_ref + ")\"/>";
        break;
      case LegendEntry::Kind::Line:
        s += "<line x1=\"" + NUM(x0) + "\" y1=\"" + NUM(yc) + "\" x2=\"" + NUM(x0 + sample) +
             "\" y2=\"" + NUM(yc) + "\" stroke=\"" + e.colour + "\" stroke-width=\"" +
             NUM(e.width) + "\"" + DASH_ATTR(e.dash) + "/>";
        s += MARKER(e.marker, x0 + sample / 2, yc, 3.6, e.colour);
        break;
      case LegendEntry::Kind::Vertical:
        s += "<line x1=\"" + NUM(x0 + sample / 2) + "\" y1=\"" + NUM(yc - 7) + "\" x2=\"" +
             NUM(x0 + sample / 2) + "\" y2=\"" + NUM(yc + 7) + "\" stroke=\"" + e.colour +
             "\" stroke-width=\"1.4\"" + DASH_ATTR(e.dash) + "/>";
        break;
      case LegendEntry::Kind::Mark:
        s += MARKER(e.marker, x0 + sample / 2, yc, 5, e.colour);
        break;
    }
    s += "<text x=\"" + NUM(x0 + sample + 8) + "\" y=\"" + NUM(yc + 4) + "\">" +
         XML_ESCAPE(e.text) + "</text>\n";
  }
  s += "</svg>\n";
  return s;
}

}  // namespace vdk
