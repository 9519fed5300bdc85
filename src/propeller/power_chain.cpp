// From the trial effective power to the brake, engine and delivered powers;
// the selected propeller at the trial advance ratio; the factors at every
// speed and the propulsion characteristics over the speed range.
#include <cmath>

#include "propeller/propeller_routines.hpp"
#include "propeller/trial.hpp"
#include "propulsion/propulsion.hpp"
#include "format/format.hpp"
#include "core/table_interpolation.hpp"

namespace vdk {

namespace {

// Integer part of a blade number for the printed line; a value no integer
// field can hold prints as asterisks.
long long TRUNCATED(float x) {
  if (!std::isfinite(x) || std::fabs(x) >= 1.0e15f) return 1000000000000000LL;
  return static_cast<long long>(x);
}

void POWER_LINES(std::ostream& son, float PEtrial, float etad, float etas, float MCR, float Pb,
                 float Pbm, float Pbd, float ETAH, float ETA0, float etaR) {
  WRITE_FORMATTED(son, "(///2X,54('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb ')");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pb = Pe(trial)/(etad*etas) = ',F8.2,'/(',F5.3,               "
                  "'*',F5.3,')=> ')",
                  PEtrial, etad, etas);
  WRITE_FORMATTED(son, "(2X,'   = ',F8.2,' kW')", Pb);
  WRITE_FORMATTED(son, "(2X,'HESAPLANAN GEREKLI MAKINA GUCU - Pbm')");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pbm = Pb(trial)/(%MCR) = ',F8.2,'/(',F4.2,                   "
                  "') = ',F8.2,' kW')",
                  Pb, MCR, Pbm);
  WRITE_FORMATTED(son, "(2X,'PERVANEYE VERILEN GUC - Pbdeliv')");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pbd = Pb(trial)*(etas) = ',F8.2,'*(',F4.2,                   "
                  "') = ',F8.2,' kW')",
                  Pb, etas, Pbd);
  WRITE_FORMATTED(son, "(2X,54('.'))");
  WRITE_FORMATTED(son, "(8X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'etad : Genel Sevk Verimi = etah  * eta0  *  etarr ')");
  WRITE_FORMATTED(son, "(28X,'=',1X,F5.3,' * ',F5.3,' * ',F5.3))", ETAH, ETA0, etaR);
  WRITE_FORMATTED(son, "(3X,'etas : transmisyon verimi (saft kayiplari)')");
  WRITE_FORMATTED(son, "(3X,'%MCR : Maximum surekli devir (max. cont.rate')");
  WRITE_FORMATTED(son, "(2X,54('='))");
}

void SELECTED_PROPELLER(std::ostream& son, const PropellerResult& pr, float Z, float EAR, float D) {
  WRITE_FORMATTED(son, "(//2X,54('='))");
  WRITE_FORMATTED(son, "(10X,'SECILEN PERVANE')");
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, "(2X,'DEVIR            -     N  = ',F8.3,' RPM')", pr.N);
  WRITE_FORMATTED(son, "(2X,'KANAT SAYISI     -     Z  = ',I4  )", TRUNCATED(Z));
  WRITE_FORMATTED(son, "(2X,'ILERLEME KATSAYISI   - J  = ',F5.3)", pr.J);
  WRITE_FORMATTED(son, "(2X,'ITME SABITI      -    Kt  = ',F5.3)", pr.KT);
  WRITE_FORMATTED(son, "(2X,'MOMENT SABITI    -  10Kq  = ',F5.3)", 10.0f * pr.KQ10);
  WRITE_FORMATTED(son, "(2X,'ACIK SU VERIMI   - ETA-0  = ',F5.3)", pr.ETA0);
  WRITE_FORMATTED(son, "(2X,'PIC ORANI - P/D  - SABIT  = ',F5.3)", pr.PD);
  WRITE_FORMATTED(son, "(2X,'ACINIM ALANI ORANI - EAR  = ',F5.3)", EAR);
  WRITE_FORMATTED(son, "(2X,'PERVANE CAPI  - DIAM      = ',F8.3, ' m')", D);
  WRITE_FORMATTED(son, "(2X,'HATVE MIKTARI  - P        = ',F8.3, ' m')", pr.PD * D);
  WRITE_FORMATTED(son, "(2X,54('='))");
}

}  // namespace

void POWER_CHAIN(Run& run) {
  ShipRecord& ship = run.ship;
  PropulsionState& p = run.prop;
  PropellerResult& pr = run.pr;
  OpenWaterState& ow = run.ow;
  const float D = ship.D;

  // The computed efficiency replaces the assumed one.
  const float ETAH = (1.0f - p.t) / (1.0f - p.w);
  p.etad = ETAH * pr.ETA0 * p.etaR;
  p.Pb = p.PEtrial / (p.etad * ship.etas);
  p.Pbm = p.Pb / ship.MCR;
  p.Pbd = ship.etas * p.Pb;
  POWER_LINES(run.son, p.PEtrial, p.etad, ship.etas, ship.MCR, p.Pb, p.Pbm, p.Pbd, ETAH, pr.ETA0,
              p.etaR);

  p.JTR = (1.0f - p.w) * ship.Vtrial * 0.5144f / ((pr.N / 60.0f) * D);

  // Operating point of the selected propeller at the trial advance ratio.
  const float n = pr.N / 60.0f;
  const float D4 = D * D * D * D;
  const int PropCase = run.res.PropCase;
  if (PropCase == 1 || PropCase == 3) {
    // P/D of the optimum line of the candidates, read at the trial J.
    TABLE_INTERPOLATION_OR_STOP(pr.NCAND, pr.JCAND.data1(), pr.PDCAND.data1(), p.JTR, p.PDTR,
                        MAX_CANDIDATES, 3);
    ow.J = p.JTR;
    SERIES_KTKQ(ow, run.series(), p.PDTR, p.EAR, p.Z);
    const float D5 = D4 * D;
    p.PABS = 6.28318f * ow.KQ * ship.RHO * (n * n) * D5 * pr.N / 60.0f / 1000.0f;
    pr.J = p.JTR;
    pr.KT = ow.KT;
    pr.KQ10 = ow.KQ;
    pr.ETA0 = ow.ETA0;
    pr.PD = p.PDTR;
    pr.Pd = p.PABS;
    p.THR = (n * n) * pr.KT * D4 * ship.RHO / 1000.0f;
  } else if (PropCase == 2 || PropCase == 4) {
    p.PDTR = pr.PD;
    p.PABS = pr.Pd;
    p.THR = (n * n) * pr.KT * D4 * ship.RHO / 1000.0f;
    pr.KQ10 = pr.KQ10 / 10.0f;
  }

  SELECTED_PROPELLER(run.son, pr, p.Z, p.EAR, D);

  const float DISP = ship.RHO * ship.V * 0.001f;
  OTHER_METHOD_SUMMARY(run.son, ship.Lwl, ship.B, run.res.Tmean, DISP, ship.Cm, ship.Cwp,
                       ship.NSPEED, ship.Vs.data1(), D);

  // Holtrop factors of the selected propeller at every speed.
  SpeedTable& sp = run.sp;
  for (int i = 1; i <= ship.NSPEED; ++i) {
    const float CV = VISCOUS_COEFFICIENT(sp.RVArr(i), ship.RHO, ship.S, ship.Vs(i));
    const ShipFactors f = SHIP_PROPULSION_FACTORS(run, D, pr.PD, p.EAR, CV);
    sp.WFT(i) = f.w;
    sp.ThDF(i) = f.t;
    sp.ETAR(i) = f.etaR;
    p.etaR = f.etaR_raw;
  }

  PropellerContext ctx{run.con, run.son, run.series(), ow, pr};
  PROPULSION_CHARACTERISTICS_II(
      ctx, run.in, p.JTR, pr.PD, p.EAR, p.Z, p.PABS, p.THR, pr.N, ship.Vtrial, pr.KT, pr.KQ10,
      ship.NSPEED, ship.Vs.data1(), sp.PEArr.data1(), D, ship.etas, ship.RHO, sp.WFT(p.ITR),
      sp.ThDF(p.ITR), ship.NPROP, ship.IPOD, sp.WFT.data1(), sp.ThDF.data1(), sp.ETAR.data1());
}

}  // namespace vdk
