#include "report/stop_texts.hpp"

#include <sstream>

#include "format/format.hpp"
#include "input/ship_file_layout.hpp"
#include "report/texts.hpp"

namespace vdk {

namespace {

std::vector<std::string> LINES(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A value as the English line shows it: the field trimmed of its blanks.
std::string NUM(float v, int d) {
  std::string s = EDIT_REAL(v, 14, d);
  return s.substr(s.find_first_not_of(' '));
}

}  // namespace

std::string PRISMATIC_STOP_TEXT(const HullCoefficients& h, float Cm, Lang l) {
  // An impossible prismatic coefficient usually means a wrong midship coefficient.
  return FORMAT_TO_STRING(tx::PRISMATIC_STOP(l), h.CP) + FORMAT_TO_STRING(tx::PRISMATIC_CM(l)) +
         FORMAT_TO_STRING("('  CB = ',F5.3,'  CM = ',F5.3,' ')", h.CB, Cm);
}

std::string BULB_STOP_TEXT(float HB, Lang l) {
  // A bulb centroid too high for the bow draught: the bulb breaks the surface.
  return FORMAT_TO_STRING("(//)") + FORMAT_TO_STRING(tx::BULB_STOP(l)) +
         FORMAT_TO_STRING("(2X,A,1X,F6.3,A)", "HB=", HB, " m") +
         FORMAT_TO_STRING(tx::BULB_STOP_END(l));
}

std::string WATER_TEMPERATURE_STOP_TEXT(const WaterProperties& water, Lang l) {
  if (!water.temperature_outside) return {};
  return FORMAT_TO_STRING(tx::TEMPERATURE_STOP(l)) + FORMAT_TO_STRING(tx::TEMPERATURE(l), water.TW);
}

std::string TRIAL_SPEED_NOT_LISTED_TEXT(float Vtrial, Lang l) {
  return FORMAT_TO_STRING(tx::TRIAL_NOT_LISTED(l), Vtrial);
}

std::string UNUSABLE_ETAD_TEXT(float etad, Lang l) {
  return FORMAT_TO_STRING(tx::UNUSABLE_ETAD(l), etad);
}

std::string UNUSABLE_BLADES_TEXT(float Z, Lang l) {
  return FORMAT_TO_STRING(tx::UNUSABLE_BLADES(l), Z);
}

std::string UNUSABLE_AREA_RATIO_TEXT(float EAR, Lang l) {
  return FORMAT_TO_STRING(tx::UNUSABLE_AREA_RATIO(l), EAR);
}

std::string NO_PROPELLER_TEXT(Lang l) {
  return FORMAT_TO_STRING(tx::NO_PROPELLER(l));
}

std::string EFFICIENCY_MISMATCH_TEXT(float typed, float computed, Lang l) {
  return FORMAT_TO_STRING(tx::EFFICIENCY_MISMATCH(l), typed, computed, computed);
}

std::string DESIGN_SPEED_NOT_FOUND_TEXT(Lang l) {
  return FORMAT_TO_STRING(tx::DESIGN_SPEED_NOT_FOUND(l));
}

std::vector<std::string> STOP_PARAGRAPH(const std::vector<std::string>& lines) {
  std::vector<std::string> all;
  for (std::string line : lines) {
    line.erase(line.find_last_not_of(" \r") + 1);
    all.push_back(line);
  }
  while (!all.empty() && all.back().empty()) all.pop_back();
  std::size_t first = 0;
  while (first < all.size() && all[first].empty()) ++first;
  return {all.begin() + static_cast<long>(first), all.end()};
}

StopText INPUT_STOP_TEXT(const Stop& stop, const std::vector<std::string>& console_lines,
                         const std::string& english) {
  return StopText{stop.code, stop.status, stop.reason, STOP_PARAGRAPH(console_lines), english};
}

std::optional<StopText> RUN_STOP_TEXT(const RunResult& r, Lang l) {
  if (!r.stop) return std::nullopt;
  const Stop& s = *r.stop;
  StopText t{s.code, s.status, s.reason, {}, s.reason};
  std::string text;
  const std::string code = s.code;
  if (code == "E201" && !r.resistance.blocks.empty()) {
    const SpeedBlock& b = r.resistance.blocks.back();
    const HullCoefficients& h = b.hull_form.hull;
    text = PRISMATIC_STOP_TEXT(h, r.ship.Cm, l);
    t.english = "the prismatic coefficient CP = " + NUM(h.CP, 3) + " (CB = " + NUM(h.CB, 3) +
                ", Cm = " + NUM(r.ship.Cm, 3) +
                ") is above 0.999: check the displacement volume V, the main dimensions and the "
                "midship coefficient Cm";
  } else if (code == "E202") {
    text = BULB_STOP_TEXT(r.ship.HB, l);
    t.english = "the bulb centroid height HB = " + NUM(r.ship.HB, 3) +
                " m puts the bulb above the wave trough at the bow (forward draught Tf = " +
                NUM(r.ship.Tf, 3) + " m): check HB, ABT and Tf";
  } else if (code == "E203") {
    const ModelScaleResult& m = r.model_scale;
    const WaterProperties* w = &m.water;
    if (!w->temperature_outside && m.model_file) {
      w = m.model_file->ship_water.temperature_outside ? &m.model_file->ship_water
                                                       : &m.model_file->model_water;
      text = WATER_TEMPERATURE_STOP_TEXT(m.model_file->ship_water, l) +
             WATER_TEMPERATURE_STOP_TEXT(m.model_file->model_water, l);
    } else {
      text = WATER_TEMPERATURE_STOP_TEXT(*w, l);
    }
    t.english = "the model water temperature " + NUM(w->TW, 2) +
                " deg C lies outside the water tables (0 to 30 deg C): give a temperature "
                "within them";
  } else if (code == "E131") {
    text = TRIAL_SPEED_NOT_LISTED_TEXT(r.prerequisites.Vtrial, l);
    t.english = "the trial speed Vtrial = " + NUM(r.prerequisites.Vtrial, 3) +
                " kn is not one of the listed speeds: add it to the speed list";
  } else if (code == "E121" && r.trial_thrust) {
    text = UNUSABLE_ETAD_TEXT(r.trial_thrust->etad_typed, l);
    t.english =
        "the assumed overall propulsive efficiency etad = " + NUM(r.trial_thrust->etad_typed, 3) +
        " cannot be used: give a value above 0 and below 1 (0.50 to 0.70 is usual)";
  } else if (code == "E122" && r.trial_blades) {
    text = UNUSABLE_BLADES_TEXT(r.trial_blades->Z_typed, l);
    t.english = "the blade number Z = " + NUM(r.trial_blades->Z_typed, 3) +
                " cannot be used: the B-series has whole blade numbers from 2 to 7";
  } else if (code == "E123" && r.trial) {
    text = UNUSABLE_AREA_RATIO_TEXT(r.trial->EAR, l);
    t.english = "the expanded area ratio EAR = " + NUM(r.trial->EAR, 3) +
                " cannot be used: give a value above 0";
  } else if (code == "E204") {
    text = NO_PROPELLER_TEXT(l);
    t.english =
        "no propeller of the series gives the thrust the ship needs at the trial speed: "
        "check the given diameter, rpm and pitch ratio, or the speed list";
  } else if (code == "E301" && r.trial) {
    text = EFFICIENCY_MISMATCH_TEXT(r.trial->etad_typed, r.trial->etad_computed, l);
    t.english = "the assumed overall propulsive efficiency etad = " + NUM(r.trial->etad_typed, 3) +
                " and the computed one " + NUM(r.trial->etad_computed, 3) +
                " differ by more than 0.01: run again with etad " + NUM(r.trial->etad_computed, 3) +
                ", or let the program find it (--etad auto)";
  } else if (code == "E132") {
    text = DESIGN_SPEED_NOT_FOUND_TEXT(l);
    t.english =
        "the trial speed is not one of the listed speeds of the propulsion characteristics: make "
        "it one of the listed speeds";
  } else if (code == "E205") {
    t.english =
        "a curve to be interpolated has more than 2000 points: this is a fault of the program, "
        "please report it with the data file";
  } else if (code == "E111") {
    t.english =
        "no usable answer for the assumed overall propulsive efficiency etad (no number was "
        "typed, or --batch was given without --etad): type a number such as 0.60, or give "
        "--etad X or --etad auto";
  } else if (code == "E112") {
    t.english =
        "no usable answer for the blade number Z (no number was typed, or --batch was given "
        "without --blades): type a whole number from 2 to 7, or give --blades Z";
  } else if (code == "E113") {
    t.english =
        "no answer to the question whether to change the expanded area ratio (the console input "
        "ended): answer Y or N, or give --ear X, or nothing to keep Keller's";
  } else if (code == "E114") {
    t.english =
        "no usable answer for the expanded area ratio EAR (no number was typed): type a number "
        "above 0, or give --ear X";
  }
  t.lines = STOP_PARAGRAPH(LINES(text));
  return t;
}

namespace {

// The group of the data file that holds the value named `symbol` ("Cm",
// "Vs(3)", "NSPEED", ...); 0 when no group holds it.
int GROUP_OF(std::string_view symbol) {
  const std::string_view name = symbol.substr(0, symbol.find('('));
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS())
    for (const ShipField& f : g.fields)
      if (f.symbol == name) return g.number;
  return 0;
}

// "data file F, line L, group G (S)", leaving out what is not known.
std::string WHERE(std::string_view file, const ReadResult& read, int group,
                  std::string_view symbol) {
  std::string s = "data file " + std::string(file);
  const std::size_t g = static_cast<std::size_t>(group);
  if (group > 0 && g <= read.value_lines.size() && read.value_lines[g - 1] > 0)
    s += ", line " + std::to_string(read.value_lines[g - 1]);
  if (group > 0) s += ", group " + std::to_string(group);
  if (!symbol.empty()) s += " (" + std::string(symbol) + ")";
  return s;
}

}  // namespace

std::string DATA_FILE_STOP_ENGLISH(std::string_view file, const ReadResult& read,
                                   const ValidationResult& checked) {
  if (read.stop) {
    // A value that does not read: the reader names the file, the line and the group.
    if (read.line > 0) return read.english;
    return WHERE(file, read, read.group, {}) + ": " + read.english;
  }
  return WHERE(file, read, GROUP_OF(checked.symbol), checked.symbol) + ": " + checked.english;
}

std::vector<std::string> DATA_FILE_STOP_LINES(const std::vector<std::string>& turkish,
                                              const std::string& english, Lang l) {
  if (l == Lang::Tr || english.empty()) return turkish;
  return LINES(FORMAT_TO_STRING(tx::DATA_FILE_STOP(l), english));
}

std::string DATA_FILE_NOT_OPENED_LINE(const std::string& name, const std::filesystem::path& path,
                                      Lang l) {
  return LINES(FORMAT_TO_STRING(tx::DATA_FILE_NOT_OPENED(l), name, path.string())).front();
}

std::string DATA_FILE_NOT_OPENED_ENGLISH(const std::filesystem::path& path) {
  return "cannot open the data file " + path.string() +
         ": it is missing or is no file that can be read; give the run folder with -C DIR and "
         "the file name with --data FILE";
}

std::string OUTPUT_NOT_WRITTEN_LINE(const std::filesystem::path& folder,
                                    const std::filesystem::path& file, Lang l) {
  const std::string named = l == Lang::Tr ? folder.string() : file.string();
  return LINES(FORMAT_TO_STRING(tx::OUTPUT_NOT_WRITTEN(l), named)).front();
}

std::string OUTPUT_NOT_WRITTEN_ENGLISH(const std::filesystem::path& file) {
  return "cannot write the output file " + file.string() +
         ": check that its folder exists and may be written to, and that no other program holds "
         "the file";
}

std::string ERROR_LINE(std::string_view english) {
  return "vardelonteksa: error: " + std::string(english) + '\n';
}

}  // namespace vdk
