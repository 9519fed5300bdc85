// The figures of a sweep: the brake power PB and the open-water efficiency
// eta0 of the selected propeller against the first varied name, one line for
// each value of the second (one line when only one name is varied).
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

#include "app/sweep.hpp"
#include "chart/chart.hpp"
#include "results/result_files.hpp"

namespace vdk {

namespace {

// "B_m" -> "B (m)", "V_m3" -> "V (m3)", "Cm" -> "Cm".
std::string AXIS_TITLE(const std::string& name) {
  const std::string header = SWEEP_HEADER(name);
  const std::size_t us = header.find('_');
  if (us == std::string::npos) return header;
  return header.substr(0, us) + " (" + header.substr(us + 1) + ")";
}

// "T = 9.5 m": the legend of the line of one value of the second name.
std::string LINE_NAME(const std::string& name, float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  const std::string header = SWEEP_HEADER(name);
  const std::size_t us = header.find('_');
  return name + " = " + buf + (us == std::string::npos ? "" : " " + header.substr(us + 1));
}

// One figure: `value` of each row against the first varied name.
Chart SWEEP_CHART(const SweepResult& r, const std::string& id, const std::string& title,
                  const std::string& y_title, const std::string& subtitle,
                  std::optional<float> SweepRow::*value) {
  constexpr std::array<Dash, 5> dashes = {Dash::Solid, Dash::Dashed, Dash::Dotted, Dash::DashDot,
                                          Dash::LongDash};
  constexpr std::array<Marker, 7> markers = {Marker::Circle,  Marker::Square, Marker::Triangle,
                                             Marker::Diamond, Marker::Cross,  Marker::TriangleDown,
                                             Marker::Plus};
  Chart c;
  c.id = id;
  c.title = title + " against " + r.names.front();
  c.subtitle = subtitle;
  c.x.title = AXIS_TITLE(r.names.front());
  c.y.title = y_title;
  // One line per value of the second name, in the order the values first
  // appear; a variant that did not reach the value leaves a gap in its line.
  std::map<float, std::size_t> line_of;
  for (const SweepRow& row : r.rows) {
    const float key = r.names.size() > 1 ? row.values[1] : 0.0f;
    auto [it, fresh] = line_of.try_emplace(key, c.lines.size());
    if (fresh) {
      LineSeries s;
      const std::size_t k = c.lines.size();
      if (r.names.size() > 1) s.name = LINE_NAME(r.names[1], key);
      s.colour = OKABE_ITO[k % 7];  // the faint yellow is left out
      s.dash = dashes[k % dashes.size()];
      s.marker = markers[k % markers.size()];
      c.lines.push_back(std::move(s));
    }
    if (row.*value) c.lines[it->second].points.push_back({row.values[0], *(row.*value)});
  }
  for (LineSeries& s : c.lines)
    std::sort(s.points.begin(), s.points.end(),
              [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
  return c;
}

}  // namespace

bool WRITE_SWEEP_PLOTS(const SweepResult& r, const std::filesystem::path& dir,
                       const std::string& subtitle, std::ostream& err) {
  if (r.names.empty() || r.rows.empty()) return true;
  std::string folder_error;
  if (!MAKE_OUTPUT_FOLDER(dir, folder_error)) {
    err << "vardelonteksa sweep: " << folder_error << '\n';
    return false;
  }
  struct Figure {
    const char* file;
    Chart chart;
  };
  const Figure figures[] = {
      {"sweep_pb.svg", SWEEP_CHART(r, "pb", "Brake power at the trial speed", "Brake power PB (kW)",
                                   subtitle, &SweepRow::PB)},
      {"sweep_eta0.svg", SWEEP_CHART(r, "eta0", "Open-water efficiency of the selected propeller",
                                     "Open-water efficiency eta0 (-)", subtitle, &SweepRow::eta0)},
  };
  bool ok = true;
  for (const Figure& f : figures) {
    const std::filesystem::path path = dir / f.file;
    std::size_t points = 0;
    for (const LineSeries& s : f.chart.lines) points += s.points.size();
    if (points == 0) {
      err << "vardelonteksa sweep: left out " << path.string()
          << ": no variant reached the selected propeller\n";
      continue;
    }
    std::string error;
    if (WRITE_SVG_FILE(path, SVG_CHART(f.chart), error)) {
      err << "vardelonteksa sweep: wrote " << path.lexically_normal().string() << '\n';
    } else {
      err << "vardelonteksa sweep: " << error << '\n';
      ok = false;
    }
  }
  return ok;
}

}  // namespace vdk
