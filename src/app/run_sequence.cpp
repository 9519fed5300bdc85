#include "app/run_sequence.hpp"

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "report/banners.hpp"
#include "run/run_state.hpp"
#include "core/stop.hpp"
#include "input/read_ship_data.hpp"
#include "app/legacy_propulsion.hpp"
#include "app/legacy_propeller.hpp"
#include "format/format.hpp"
#include "app/legacy_resistance.hpp"
#include "app/legacy_water.hpp"

namespace vdk {

namespace {

constexpr const char* kResultsFile = "VARDELONTEKSA.SON";
constexpr const char* kDataFile = "VARDELONTEKSA.TSK";
constexpr const char* kEchoFile = "VARDELONTEKSA.CRL";
constexpr const char* kSpareEchoFile = "VARDELONTEKSB.CRL";

// Console end of a run that reached its normal end, then the closing notice.
void RUN_END(Run& run) {
  WRITE_LIST(run.con);
  WRITE_LIST(run.con);
  CONSOLE_AUTHOR_BOX(run.con);
  WRITE_LIST(run.con);
  WRITE_LIST(run.con);
  WRITE_LIST(run.con, "PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN `ENTER` TUSUNA BASIN");
  WRITE_LIST(run.con);
  PAUSE(run.in, run.con);
  CLOSING_NOTICE(run.son, 5);
}

void CALCULATION(Run& run) {
  PROGRAM_BANNER(run.con, run.son);
  RESISTANCE_CALCULATION(run);
  if (run.ship.NPROP >= 1 && run.ship.D > 0.01f) OTHER_METHOD_SECTIONS(run);
  WRITE_LIST(run.con);
  WRITE_LIST(run.con);
  RESISTANCE_TABLES(run);
  MODEL_SCALE_SECTION(run);
  if (PROPULSION_PREREQUISITES(run)) {
    TRIAL_PROPELLER(run);
    POWER_CHAIN(run);
  }
  RUN_END(run);
}

// Console lines of a stop met while reading or checking the data file.
void WRITE_LINES(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << line << '\n';
}

}  // namespace

int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out) {
  // A missing data file is reported before any file is opened, so the
  // results of an earlier run in this folder survive.
  std::error_code ec;
  std::ifstream data;
  if (std::filesystem::is_regular_file(dir / kDataFile, ec))
    data.open(dir / kDataFile, std::ios::binary);
  if (!data.is_open()) {
    out << " VERI DOSYASI ACILAMADI: " << kDataFile << " (" << (dir / kDataFile).string() << ")\n";
    WRITE_STOP_LINE(out);
    return EXIT_BAD_INPUT;
  }

  std::ofstream son(dir / kResultsFile, std::ios::binary | std::ios::trunc);
  { std::ofstream spare(dir / kSpareEchoFile, std::ios::binary | std::ios::app); }
  std::ofstream echo(dir / kEchoFile, std::ios::binary | std::ios::trunc);
  if (!son || !echo) {
    out << " CIKTI DOSYASI YAZILAMIYOR: " << dir.string() << "\n";
    WRITE_STOP_LINE(out);
    return EXIT_BAD_INPUT;
  }

  // The echo keeps the groups read so far also when reading stops part-way.
  ReadResult read = READ_SHIP_DATA(data, kDataFile);
  echo << read.echo;
  echo.close();
  WRITE_LINES(out, read.message_lines);
  std::optional<Stop> input_stop = read.stop;
  if (!input_stop) {
    data.close();
    ValidationResult checked = VALIDATE_SHIP_DATA(read.ship);
    WRITE_LINES(out, checked.message_lines);
    input_stop = checked.stop;
  }

  int status = EXIT_RUN_END;
  if (input_stop) {
    son.flush();
    if (input_stop->pause) PAUSE(in, out, input_stop->prompt);
    status = input_stop->status;
  } else {
    Run run{in, out, son, dir, read.ship, {}, {}, {}, {}, {}};
    try {
      CALCULATION(run);
    } catch (const StopRequest& stop) {
      son.flush();
      if (stop.pause) PAUSE(in, out, stop.prompt);
      status = stop.status;
    }
  }
  son.close();
  WRITE_STOP_LINE(out);
  return status;
}

}  // namespace vdk
