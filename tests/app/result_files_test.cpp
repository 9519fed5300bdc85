// The JSON and CSV result files of every regression folder: the JSON holds to
// docs/results.schema.json, its values are what the report prints at the
// report's precision, each CSV is RFC 4180 with one row per speed or table
// row, and asking for the files leaves the report as approved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "results/results_json.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::read_file;
using test::TempDir;

// A small JSON Schema validator: type, enum, required, properties,
// additionalProperties, items and $ref into $defs, as the schema uses them.
void validate(const json& v, const json& s, const json& root, const std::string& at,
              std::vector<std::string>& errors) {
  if (s.contains("$ref")) {
    const std::string ref = s["$ref"];
    validate(v, root["$defs"][ref.substr(ref.rfind('/') + 1)], root, at, errors);
    return;
  }
  if (s.contains("type")) {
    const json types = s["type"].is_array() ? s["type"] : json::array({s["type"]});
    bool ok = false;
    for (const auto& t : types)
      ok = ok || (t == "null" && v.is_null()) || (t == "object" && v.is_object()) ||
           (t == "array" && v.is_array()) || (t == "string" && v.is_string()) ||
           (t == "boolean" && v.is_boolean()) || (t == "number" && v.is_number()) ||
           (t == "integer" && v.is_number_integer());
    if (!ok) return errors.push_back(at + ": " + v.type_name() + " is not " + types.dump());
  }
  if (s.contains("enum") && std::find(s["enum"].begin(), s["enum"].end(), v) == s["enum"].end())
    errors.push_back(at + ": " + v.dump() + " not in " + s["enum"].dump());
  if (v.is_object()) {
    for (const auto& key : s.value("required", json::array()))
      if (!v.contains(key)) errors.push_back(at + ": missing " + key.get<std::string>());
    for (const auto& [key, value] : v.items()) {
      if (s.contains("properties") && s["properties"].contains(key))
        validate(value, s["properties"][key], root, at + "/" + key, errors);
      else if (s.contains("additionalProperties") && s["additionalProperties"].is_object())
        validate(value, s["additionalProperties"], root, at + "/" + key, errors);
      else if (s.value("additionalProperties", json(true)) == json(false))
        errors.push_back(at + ": unexpected key " + key);
    }
  }
  if (v.is_array() && s.contains("items"))
    for (std::size_t k = 0; k < v.size(); ++k)
      validate(v[k], s["items"], root, at + "/" + std::to_string(k), errors);
}

// RFC 4180 records: comma separators, CRLF ends, double quotes doubled inside
// quoted fields. Sets `ok` false on a stray quote or a bare line end.
std::vector<std::vector<std::string>> parse_csv(const std::string& text, bool& ok) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> rec;
  std::string field;
  ok = true;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"' && field.empty()) {
      for (++i; i < text.size(); ++i) {
        if (text[i] != '"')
          field += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '"')
          field += text[++i];
        else
          break;
      }
      ++i;
    }
    const char c = i < text.size() ? text[i] : '\r';
    if (c == ',') {
      rec.push_back(field), field.clear(), ++i;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rec.push_back(field), field.clear(), records.push_back(rec), rec.clear(), i += 2;
    } else if (c == '"' || c == '\n' || c == '\r') {
      ok = false;
      return records;
    } else {
      field += c, ++i;
    }
  }
  if (!rec.empty() || !field.empty()) ok = false;  // the last record must end in CRLF
  return records;
}

// The printed value equals `v` at `decimals` places (rounded as the report rounds).
void expect_printed(const std::string& what, const std::string& printed, const json& v,
                    int decimals, double scale = 1.0) {
  if (printed.find('*') != std::string::npos) return;  // the field overflowed
  ASSERT_TRUE(v.is_number()) << what << " is " << v.dump();
  char* end = nullptr;
  const double p = std::strtod(printed.c_str(), &end);
  ASSERT_NE(end, printed.c_str()) << what << ": no number in [" << printed << "]";
  const double x = v.get<double>() * scale;
  const double half = 0.5 * std::pow(10.0, -decimals);
  EXPECT_LE(std::fabs(p - x), half * (1 + 1e-5) + 1e-6 * std::fabs(x))
      << what << ": report " << printed << ", JSON " << x;
}

// The text after `label` on the first line of `son` that holds it ("" when none).
std::string after(const std::string& son, const std::string& label) {
  const std::size_t at = son.find(label);
  if (at == std::string::npos) return {};
  const std::size_t from = at + label.size();
  return son.substr(from, son.find('\n', from) - from);
}

// Fixed-width field k (0-based) of width w starting at column `first`, step `step`.
std::string field(const std::string& line, std::size_t first, std::size_t step, std::size_t k,
                  std::size_t w) {
  const std::size_t at = first + k * step;
  return at < line.size() ? line.substr(at, w) : std::string();
}

// The table rows after the heading `title`: the lines between its second and
// third rule of '=' (the rule under the column heads and the closing one).
std::vector<std::string> table_rows(const std::string& son, const std::string& title) {
  std::vector<std::string> rows;
  const std::size_t at = son.find(title);
  if (at == std::string::npos) return rows;
  std::istringstream in(son.substr(at));
  std::string line;
  int rules = 0;
  while (std::getline(in, line) && rules < 3) {
    if (line.rfind(" ===", 0) == 0)
      ++rules;
    else if (rules == 2)
      rows.push_back(line);
  }
  return rows;
}

void check_against_report(const json& j, const std::string& son) {
  const json& ps = j["per_speed"];
  // Summary table I: Fn, then RF RV RW RA RAPP RB RTR RBT RAIR RT in F6.1.
  const std::vector<std::string> t1 = table_rows(son, "HESAP OZETI - I\n");
  if (t1.empty() && !j["stop"].is_null()) return;  // stopped before the tables
  const char* keys[] = {"RF", "RV", "RW", "RA", "RAPP", "RB", "RTR", "RBT", "RAIR", "RT"};
  ASSERT_EQ(t1.size(), ps["i"].size());
  for (std::size_t s = 0; s < t1.size(); ++s) {
    expect_printed("Fn", field(t1[s], 4, 0, 0, 5), ps["Fn"][s], 3);
    for (std::size_t k = 0; k < 10; ++k)
      expect_printed(keys[k], field(t1[s], 16, 7, k, 6), ps[keys[k]][s], 1);
  }
  // Characteristics table: Rn/10^9, then CF CV CR CA CT times 1000 (F7.3).
  const std::vector<std::string> t2 = table_rows(son, "KARAKTERISTIKLERI - ORJINAL HESAP\n");
  ASSERT_EQ(t2.size(), t1.size());
  const char* coef[] = {"Rn", "CF", "CV", "CR", "CA", "CT"};
  for (std::size_t s = 0; s < t2.size(); ++s)
    for (std::size_t k = 0; k < 6; ++k)
      expect_printed(coef[k], field(t2[s], 21, 9, k, 7), ps[coef[k]][s], 3, k ? 1e3 : 1e-9);

  if (!j["selected_propeller"].is_null()) {
    const json& p = j["selected_propeller"];
    expect_printed("N", after(son, "DEVIR            -     N  = "), p["N"], 3);
    expect_printed("J", after(son, "ILERLEME KATSAYISI   - J  = "), p["J"], 3);
    expect_printed("KT", after(son, "ITME SABITI      -    Kt  = "), p["KT"], 3);
    expect_printed("10KQ", after(son, "MOMENT SABITI    -  10Kq  = "), p["10KQ"], 3);
    expect_printed("eta0", after(son, "ACIK SU VERIMI   - ETA-0  = "), p["eta0"], 3);
    expect_printed("P/D", after(son, "PIC ORANI - P/D  - SABIT  = "), p["P/D"], 3);
    expect_printed("EAR", after(son, "ACINIM ALANI ORANI - EAR  = "), p["EAR"], 3);
    expect_printed("D", after(son, "PERVANE CAPI  - DIAM      = "), p["D"], 3);
    const json& pc = j["power_chain"];
    // "Pbm = Pb(trial)/(%MCR) = PB/(MCR) = PB_required kW"; with the sea
    // margin applied (published methods) "Ps = Pb(trial)*(1+DM) = PB*(...",
    // then "Pbm = Ps/(%MCR) = Ps/(MCR) = PB_required kW".
    std::string pbm = after(son, "Pbm = Pb(trial)/(%MCR) = ");
    std::string pb = pbm;
    if (pbm.empty()) {
      pb = after(son, "Ps = Pb(trial)*(1+DM) = ");
      pbm = after(son, "Pbm = Ps/(%MCR) = ");
    }
    expect_printed("PB", pb, pc["PB"], 2);
    expect_printed("PB_required", pbm.substr(pbm.rfind("= ") + 2), pc["PB_required"], 2);
  }
  if (!j["trial"].is_null()) {
    // The trial point: the powers of the power chain and the propeller the
    // brake power was computed with, as its routine printed it.
    const json& t = j["trial"];
    const std::string pb = after(son, "Pb = Pe(trial)/(etad*etas) = ");
    expect_printed("trial PE", pb.substr(0, 8), t["PE"], 2);
    expect_printed("trial etad", pb.substr(10, 5), t["etad"], 3);
    expect_printed("trial etaS", pb.substr(16, 5), t["etaS"], 3);
    expect_printed("trial PB", after(son, "Pb = Pe(trial)/(etad*etas) = " + pb + "\n     = "),
                   t["PB"], 2);
    EXPECT_EQ(t["PB"], j["power_chain"]["PB"]);
    const std::string block = after(son, "\n P/D=");
    if (!block.empty()) {
      // Block P of a search or of a given propeller: P/D, then J, KT, 10KQ, eta0.
      expect_printed("trial P/D", block, t["P/D"], 3);
      const std::string jline = after(son, "\n P/D=" + block + "\n J=");
      expect_printed("trial J", jline.substr(0, 6), t["J"], 3);
      expect_printed("trial KT", after(jline, "Kt="), t["KT"], 3);
      expect_printed("trial 10KQ", after(jline, "10Kq="), t["KQ"], 3, 10.0);
      expect_printed("trial eta0", after(jline, "eta="), t["eta0"], 3);
    } else {
      // The pitch found for the thrust at the given D and N.
      expect_printed("trial P/D", after(son, " m P/D = "), t["P/D"], 3);
    }
  }
  if (!j["cavitation"].is_null() && j["cavitation"]["in_Burrill_range"] == true) {
    const json& c = j["cavitation"];
    expect_printed("sigma", after(son, "Sigma = "), c["sigma"], 3);
    expect_printed("tau_c", after(son, "Tauc = "), c["tau_c"], 3);
    expect_printed("EAR 2.5 %", after(son, "%2.5 Sirt Kavitasyon Hattina Gore Min. EAR = "),
                   c["EAR_Burrill_2.5"], 3);
    expect_printed("EAR upper", after(son, "Tavsiye edilen ust sinir icin Minimum  EAR = "),
                   c["EAR_Burrill_upper"], 3);
  }
  if (!j["tip_vortex"].is_null())
    expect_printed("Vtip", after(son, "Vtip = "), j["tip_vortex"]["Vtip"], 3);
}

// The number of rows each CSV table must have, from the JSON of the same run.
std::size_t rows_expected(const std::string& name, const json& j) {
  if (name == "resistance" || name == "powers" || name == "propulsion_factors")
    return j["per_speed"]["i"].size();
  if (name == "model_scale") return j["model_scale"]["rows"].size();
  if (name == "candidates") return j["trial_propeller"]["propeller"]["search"]["candidates"].size();
  if (name == "open_water") return j["open_water"]["rows"].size();
  if (name == "minimum_service") return j["minimum_service"]["rows"].size();
  return 0;  // other_methods: one row per method and speed
}

class ResultFilesOf : public ::testing::TestWithParam<std::string> {};

TEST_P(ResultFilesOf, RegressionFolder) {
  const fs::path case_dir = test::regression_root() / GetParam();
  TempDir dir;
  const test::CaseOutcome run =
      test::run_case(dir, GetParam(), {"--no-warnings", "--json", "run.json", "--csv", "tables"});
  const int status = run.status;
  // The result files change nothing of the report.
  EXPECT_EQ(std::to_string(status) + "\n", read_file(case_dir / "approved" / "status.txt"));
  EXPECT_EQ(read_file(dir.path / "VARDELONTEKSA.SON"),
            read_file(case_dir / "approved" / "VARDELONTEKSA.SON"));
  // Standard error holds nothing but a stop's one error line.
  const std::vector<std::string> err_lines = test::split_lines(run.err);
  EXPECT_EQ(err_lines.size(), status == 0 ? 0u : 1u) << run.err;
  for (const std::string& line : err_lines)
    EXPECT_TRUE(line.starts_with("vardelonteksa: error: ")) << line;

  const json schema = json::parse(read_file(test::source_dir() / "docs" / "results.schema.json"));
  const json j = json::parse(read_file(dir.path / "run.json"));
  std::vector<std::string> errors;
  validate(j, schema, schema, "", errors);
  for (const std::string& e : errors) ADD_FAILURE() << "schema: " << e;
  EXPECT_EQ(j["status"], status);
  EXPECT_EQ(j["stop"].is_null(), status == 0);

  // The values read back from the report by its Turkish labels (the English
  // report holds the same numbers: english_report_test).
  const std::vector<std::string> own = test::case_options(GetParam());
  const bool turkish = std::find(own.begin(), own.end(), "en") == own.end();
  if (turkish && !j["per_speed"].is_null())
    check_against_report(j, read_file(dir.path / "VARDELONTEKSA.SON"));

  for (const auto& e : fs::directory_iterator(dir.path / "tables")) {
    const std::string name = e.path().stem().string();
    bool ok = false;
    const auto records = parse_csv(read_file(e.path()), ok);
    ASSERT_TRUE(ok && !records.empty()) << name << ": not RFC 4180 CSV";
    for (const auto& r : records) EXPECT_EQ(r.size(), records[0].size()) << name;
    if (const std::size_t n = rows_expected(name, j)) {
      EXPECT_EQ(records.size() - 1, n) << name;
    }
    if (name == "resistance")  // the CSV and the JSON give the same float
      for (std::size_t s = 1; s < records.size(); ++s)
        if (!records[s][17].empty()) {
          EXPECT_EQ(std::strtof(records[s][17].c_str(), nullptr),
                    j["per_speed"]["RT"][s - 1].get<float>());
        }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultFilesOf, ::testing::ValuesIn(test::regression_cases()),
                         [](const auto& info) { return info.param; });

TEST(ResultFiles, ShortestFloatsNullForInfinityAndAFileThatCannotBeWrittenIsNamed) {
  RunDocument doc;
  doc.ship.RHO = 0.1f;
  doc.ship.GRAV = INFINITY;
  doc.echo = "read";
  const std::string text = RESULTS_JSON(doc);
  EXPECT_NE(text.find("\"rho\": 0.1,"), std::string::npos);
  EXPECT_NE(text.find("\"g\": null,"), std::string::npos);

  // The file's folder is made when missing; a file in the folder's place
  // cannot be written, and is named.
  TempDir dir;
  std::ostringstream err;
  EXPECT_TRUE(WRITE_JSON_FILE(ResultView(doc), dir.path / "made" / "run.json", err));
  EXPECT_TRUE(fs::exists(dir.path / "made" / "run.json"));
  test::write_file(dir.path / "taken", "a file, not a folder");
  const fs::path file = dir.path / "taken" / "run.json";
  EXPECT_FALSE(WRITE_JSON_FILE(ResultView(doc), file, err));
  EXPECT_NE(err.str().find("taken"), std::string::npos);
}

// The committed schema is the one the program makes from its catalogue and
// its declaration of the document. VDK_UPDATE_SCHEMA=1 writes it anew.
TEST(ResultFiles, CommittedSchemaIsTheGeneratedOne) {
  const fs::path committed = test::source_dir() / "docs" / "results.schema.json";
  const std::string generated = RESULTS_SCHEMA();
  if (std::getenv("VDK_UPDATE_SCHEMA")) test::write_file(committed, generated);
  EXPECT_TRUE(read_file(committed) == generated)
      << "docs/results.schema.json differs from the generated schema: run "
         "VDK_UPDATE_SCHEMA=1 ./build/test_app --gtest_filter='*CommittedSchema*' and read the "
         "diff";
}

}  // namespace
}  // namespace vdk
