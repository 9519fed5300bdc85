#include "report/stop_texts.hpp"

#include <sstream>

#include "format/format.hpp"

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

std::string PRISMATIC_STOP_TEXT(const HullCoefficients& h, float Cm) {
  // An impossible prismatic coefficient usually means a wrong midship coefficient.
  return FORMAT_TO_STRING(
             "('  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = ',F5.3', >1 OLDU. - STOP')", h.CP) +
         FORMAT_TO_STRING("('  CM DE YANLISLIK OLABILIR.- STOP')") +
         FORMAT_TO_STRING("('  CB = ',F5.3,'  CM = ',F5.3,' ')", h.CB, Cm);
}

std::string BULB_STOP_TEXT(float HB) {
  // A bulb centroid too high for the bow draught: the bulb breaks the surface.
  return FORMAT_TO_STRING("(//)") +
         FORMAT_TO_STRING("(2X,'*** BALP ALAN MERK. YUKSEKLIGI ASIRI OLABILIR ***  ')") +
         FORMAT_TO_STRING("(2X,A,1X,F6.3,A)", "HB=", HB, " m") +
         FORMAT_TO_STRING("(2X,'*** PROGRAM BURADA DURACAK ***')");
}

std::string WATER_TEMPERATURE_STOP_TEXT(const WaterProperties& water) {
  if (!water.temperature_outside) return {};
  return FORMAT_TO_STRING("(///' MODEL DENEY SICAKLIGI TABLO DISI - STOP')") +
         FORMAT_TO_STRING("(2X,'T =',F8.2,' derece')", water.TW);
}

std::string TRIAL_SPEED_NOT_LISTED_TEXT(float Vtrial) {
  return FORMAT_TO_STRING(
      "(/// ' SEYIR TECRUBESI HIZI Vtrial = ',F6.3,           ' knot HIZLAR "
      "LISTESINDE BULUNAMADI - STOP')",
      Vtrial);
}

std::string UNUSABLE_ETAD_TEXT(float etad) {
  return FORMAT_TO_STRING(
      "(/4X,'etad = ',F8.3,' KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK OLMALIDIR - STOP')", etad);
}

std::string UNUSABLE_BLADES_TEXT(float Z) {
  return FORMAT_TO_STRING(
      "(/4X,'Z = ',F8.3,' KULLANILAMAZ - KANAT SAYISI 2 ILE 7 ARASINDA TAM SAYI OLMALIDIR - STOP')",
      Z);
}

std::string UNUSABLE_AREA_RATIO_TEXT(float EAR) {
  return FORMAT_TO_STRING(
      "(/4X,'Ear = ',F8.3,' KULLANILAMAZ - ACINIM ALANI ORANI SIFIRDAN BUYUK OLMALIDIR - STOP')",
      EAR);
}

std::string NO_PROPELLER_TEXT() {
  return FORMAT_TO_STRING("(' UYGUN PERVANE BULUNAMADI - STOP')");
}

std::string EFFICIENCY_MISMATCH_TEXT(float typed, float computed) {
  return FORMAT_TO_STRING(
      "(2X,'VARSAYILAN VERIM = ',F5.3,                        "
      "' ILE HESAPLANAN VERIM ', F5.3/'  BIRBIRLERINDEN',            "
      "' FARKLI CIKTIGI ICIN PROGRAMI '/'  ETAD = ',F5.3,            "
      "' YE YAKIN BIR DEGER ILE YENIDEN BASLATMAK GEREKIR - STOP'//)",
      typed, computed, computed);
}

std::string DESIGN_SPEED_NOT_FOUND_TEXT() {
  return " SUB PROPULSION_CHARACTERISTICS_II 'DE\n  DIZAYN HIZI BULUNAMADI - STOP\n";
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

std::optional<StopText> RUN_STOP_TEXT(const RunResult& r) {
  if (!r.stop) return std::nullopt;
  const Stop& s = *r.stop;
  StopText t{s.code, s.status, s.reason, {}, s.reason};
  std::string text;
  const std::string code = s.code;
  if (code == "E201" && !r.resistance.blocks.empty()) {
    const SpeedBlock& b = r.resistance.blocks.back();
    const HullCoefficients& h = b.hull_form.hull;
    text = PRISMATIC_STOP_TEXT(h, r.ship.Cm);
    t.english = "the prismatic coefficient CP = " + NUM(h.CP, 3) + " (CB = " + NUM(h.CB, 3) +
                ", Cm = " + NUM(r.ship.Cm, 3) +
                ") is above 0.999: check the displacement volume V, the main dimensions and the "
                "midship coefficient Cm";
  } else if (code == "E202") {
    text = BULB_STOP_TEXT(r.ship.HB);
    t.english = "the bulb centroid height HB = " + NUM(r.ship.HB, 3) +
                " m puts the bulb above the wave trough at the bow (forward draught Tf = " +
                NUM(r.ship.Tf, 3) + " m): check HB, ABT and Tf";
  } else if (code == "E203") {
    const ModelScaleResult& m = r.model_scale;
    const WaterProperties* w = &m.water;
    if (!w->temperature_outside && m.model_file) {
      w = m.model_file->ship_water.temperature_outside ? &m.model_file->ship_water
                                                       : &m.model_file->model_water;
      text = WATER_TEMPERATURE_STOP_TEXT(m.model_file->ship_water) +
             WATER_TEMPERATURE_STOP_TEXT(m.model_file->model_water);
    } else {
      text = WATER_TEMPERATURE_STOP_TEXT(*w);
    }
    t.english = "the model water temperature " + NUM(w->TW, 2) +
                " deg C lies outside the water tables (0 to 30 deg C): give a temperature "
                "within them";
  } else if (code == "E131") {
    text = TRIAL_SPEED_NOT_LISTED_TEXT(r.prerequisites.Vtrial);
    t.english = "the trial speed Vtrial = " + NUM(r.prerequisites.Vtrial, 3) +
                " kn is not one of the listed speeds: add it to the speed list";
  } else if (code == "E121" && r.trial_thrust) {
    text = UNUSABLE_ETAD_TEXT(r.trial_thrust->etad_typed);
    t.english =
        "the assumed overall propulsive efficiency etad = " + NUM(r.trial_thrust->etad_typed, 3) +
        " cannot be used: give a value above 0 and below 1 (0.50 to 0.70 is usual)";
  } else if (code == "E122" && r.trial_blades) {
    text = UNUSABLE_BLADES_TEXT(r.trial_blades->Z_typed);
    t.english = "the blade number Z = " + NUM(r.trial_blades->Z_typed, 3) +
                " cannot be used: the B-series has whole blade numbers from 2 to 7";
  } else if (code == "E123" && r.trial) {
    text = UNUSABLE_AREA_RATIO_TEXT(r.trial->EAR);
    t.english = "the expanded area ratio EAR = " + NUM(r.trial->EAR, 3) +
                " cannot be used: give a value above 0";
  } else if (code == "E204") {
    text = NO_PROPELLER_TEXT();
    t.english =
        "no propeller of the series gives the thrust the ship needs at the trial speed: "
        "check the given diameter, rpm and pitch ratio, or the speed list";
  } else if (code == "E301" && r.trial) {
    text = EFFICIENCY_MISMATCH_TEXT(r.trial->etad_typed, r.trial->etad_computed);
    t.english = "the assumed overall propulsive efficiency etad = " + NUM(r.trial->etad_typed, 3) +
                " and the computed one " + NUM(r.trial->etad_computed, 3) +
                " differ by more than 0.01: run again with etad " + NUM(r.trial->etad_computed, 3) +
                ", or let the program find it (--etad auto)";
  } else if (code == "E132") {
    text = DESIGN_SPEED_NOT_FOUND_TEXT();
    t.english = "the trial speed is not one of the listed speeds of the propulsion characteristics";
  } else if (code == "E205") {
    t.english = "a curve to be interpolated has more than 2000 points";
  } else if (code == "E111") {
    t.english =
        "no answer for the assumed overall propulsive efficiency etad: give --etad X or "
        "--etad auto";
  } else if (code == "E112") {
    t.english = "no usable answer for the blade number Z: give --blades Z (2 to 7)";
  } else if (code == "E113") {
    t.english =
        "no answer to the question whether to change the expanded area ratio: give "
        "--ear X, or nothing to keep Keller's";
  } else if (code == "E114") {
    t.english = "no usable answer for the expanded area ratio: give --ear X";
  }
  t.lines = STOP_PARAGRAPH(LINES(text));
  return t;
}

}  // namespace vdk
