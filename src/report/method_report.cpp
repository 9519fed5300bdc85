#include "report/method_report.hpp"

#include <string>

#include "format/format.hpp"
#include "report/texts.hpp"

namespace vdk {

namespace {

// The method as the report names it.
std::string METHOD_TITLE(Method method, Lang l) {
  return std::string(method == Method::HM1982 ? tx::METHOD_HM1982(l) : tx::METHOD_HM1984(l));
}

}  // namespace

void WRITE_METHOD_BANNER(std::ostream& con, std::ostream& son, Method method, Lang l) {
  std::string text = std::string(tx::METHOD_BANNER(l)) + METHOD_TITLE(method, l);
  text.resize(70, ' ');
  for (std::ostream* unit : {&con, &son}) {
    WRITE_FORMATTED(*unit, "(' !',A70,'!')", text);
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
  }
}

void WRITE_METHOD_LINE(std::ostream& son, Method method, Lang l) {
  WRITE_FORMATTED(son, tx::METHOD_LINE(l), METHOD_TITLE(method, l));
}

void WRITE_BARE_HULL_SURFACE(std::ostream& son, const HullFormAtSpeed& r, Lang l) {
  WRITE_FORMATTED(son, tx::S_BARE_ESTIMATED(l), r.SE);
  WRITE_FORMATTED(son, tx::S_TAYLAN(l), r.S_Taylan);
  if (!r.S_estimated) WRITE_FORMATTED(son, tx::S_BARE_USED(l), r.S_used);
}

void WRITE_WAVE_1982(std::ostream& son, const WaveBulbTransom& r, Lang l) {
  WRITE_FORMATTED(son, tx::WAVE_1982(l));
  WRITE_FORMATTED(son, tx::RW_RANGE(l), r.Rw);
}

void WRITE_ROUGHNESS_ALLOWANCE(std::ostream& son, float CA, Lang l) {
  WRITE_FORMATTED(son, tx::CA_ROUGHNESS(l), 1000.0f * CA);
}

void WRITE_SERVICE_POWER(std::ostream& son, const PowerChainRecord& r, Lang l) {
  WRITE_FORMATTED(son, tx::PS_TITLE(l));
  WRITE_FORMATTED(son, "(2X,'Ps = Pb(trial)*(1+DM) = ',F8.2,'*(1+',F4.2,') = ',F8.2,' kW')", r.Pb,
                  r.SeaMargin, r.Ps);
}

void WRITE_ENGINE_POWER_FROM_SERVICE(std::ostream& son, const PowerChainRecord& r, Lang) {
  WRITE_FORMATTED(son, "(2X,'Pbm = Ps/(%MCR) = ',F8.2,'/(',F4.2,') = ',F8.2,' kW')", r.Ps, r.MCR,
                  r.Pbm);
}

}  // namespace vdk
