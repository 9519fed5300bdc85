#include "report/report_writer.hpp"

#include "format/format.hpp"
#include "report/banners.hpp"
#include "report/method_report.hpp"
#include "report/propeller_report.hpp"
#include "report/propulsion_report.hpp"
#include "report/resistance_report.hpp"
#include "report/texts.hpp"
#include "report/water_report.hpp"

namespace vdk {

void ReportWriter::step(const RunResult& r, RunStep s) {
  switch (s) {
    case RunStep::Banner:
      PROGRAM_BANNER(con_, son_, l_);
      if (PUBLISHED(r.options.method)) WRITE_METHOD_BANNER(con_, son_, r.options.method, l_);
      break;
    case RunStep::Resistance:
      WRITE_RESISTANCE_CALCULATION(con_, son_, r.ship, r.resistance, l_);
      break;
    case RunStep::OtherMethods:
      WRITE_OTHER_METHOD_SECTIONS(son_, *r.other_methods, l_);
      break;
    case RunStep::Tables:
      WRITE_LIST(con_);
      WRITE_LIST(con_);
      WRITE_RESISTANCE_TABLES(son_, r.ship, r.resistance, r.tables, l_);
      break;
    case RunStep::ModelScale:
      WRITE_MODEL_SCALE_SECTION(con_, son_, r.model_scale, l_);
      break;
    case RunStep::Prerequisites:
      WRITE_PROPULSION_PREREQUISITES(con_, son_, r.prerequisites, l_);
      break;
    case RunStep::TrialStart:
      WRITE_TRIAL_START(son_, *r.trial_start, l_);
      break;
    case RunStep::TrialThrust:
      WRITE_TRIAL_THRUST(con_, son_, *r.trial_thrust, l_);
      break;
    case RunStep::TrialBlades:
      WRITE_TRIAL_BLADES(con_, *r.trial_blades, l_);
      break;
    case RunStep::TrialPropeller:
      WRITE_TRIAL_PROPELLER(con_, son_, *r.trial, l_);
      break;
    case RunStep::PowerChain:
      WRITE_POWER_CHAIN(son_, *r.power_chain, l_);
      if (r.other_summary) WRITE_OTHER_METHOD_SUMMARY(son_, *r.other_summary, l_);
      break;
    case RunStep::OpenWater:
      WRITE_CHARACTERISTICS_BEFORE_PAUSE(con_, r.power_chain->characteristics, l_);
      break;
    case RunStep::Service:
      WRITE_CHARACTERISTICS_AFTER_PAUSE(con_, son_, r.power_chain->characteristics, l_);
      break;
    case RunStep::RunEnd:
      WRITE_LIST(con_);
      WRITE_LIST(con_);
      CONSOLE_AUTHOR_BOX(con_, l_);
      WRITE_LIST(con_);
      WRITE_LIST(con_);
      WRITE_LIST(con_, tx::RUN_COMPLETED(l_));
      WRITE_LIST(con_);
      break;
    case RunStep::Closing:
      CLOSING_NOTICE(son_, 5, l_);
      break;
  }
}

void WRITE_REPORT(std::ostream& con, std::ostream& son, const RunResult& r, Lang l) {
  ReportWriter w(con, son, l);
  for (const RunStep s : r.steps) w.step(r, s);
}

}  // namespace vdk
