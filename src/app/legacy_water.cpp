#include "app/legacy_water.hpp"

#include <fstream>
#include <system_error>

#include "core/stop.hpp"
#include "report/water_report.hpp"
#include "water/water.hpp"

namespace vdk {

namespace {

[[noreturn]] void RAISE(const Stop& s) {
  throw StopRequest{s.status, s.pause, s.prompt};
}

}  // namespace

void MODEL_SCALE_SECTION(Run& run) {
  ModelScaleHull hull;
  hull.S = run.ship.S;
  hull.CB = run.res.CB;
  hull.Tmean = run.res.Tmean;
  hull.OnePlusK = run.res.OnePlusK;
  hull.OnePlusKGrigson = run.res.OnePlusKGrigson;
  const ModelScaleResult r = MODEL_SCALE_CALCULATION(run.ship, hull, run.sp.FnArr, run.sp.CRArr);

  WRITE_MODEL_SCALE_SECTION(run.con, run.son, r);
  if (r.water.stop) RAISE(*r.water.stop);
  run.ship.ModelScale = r.ModelScale_used;

  const std::filesystem::path path = run.dir / MODEL_RESISTANCE_FILE;
  if (!r.model_file) {
    // No model-resistance file for this run: an old one must not survive.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return;
  }
  std::ofstream file(path, std::ios::out | std::ios::trunc);
  if (!file) {
    // The report goes on without the model file; say so instead of
    // pretending it was written.
    WRITE_MODEL_FILE_NOT_OPENED(run.con);
    return;
  }
  WRITE_MODEL_RESISTANCE_FILE(file, *r.model_file);
  if (r.model_file->stop) {
    file.close();
    WRITE_MODEL_FILE_STOP(run.con, *r.model_file);
    RAISE(*r.model_file->stop);
  }
}

}  // namespace vdk
