// From the trial effective power to the brake, engine and delivered powers;
// the selected propeller at the trial advance ratio; the factors at every
// speed and the propulsion characteristics over the speed range.
#include <algorithm>

#include "core/constants.hpp"
#include "core/table_interpolation.hpp"
#include "propeller/trial.hpp"

namespace vdk {

void OPTIMUM_LINE(const PropellerRoutineRecord& r, std::vector<float>& JCAND,
                  std::vector<float>& PDCAND) {
  JCAND.clear();
  PDCAND.clear();
  // Only the first MAX_CANDIDATES candidates make up the line.
  const std::size_t n = std::min(r.candidates.size(), static_cast<std::size_t>(MAX_CANDIDATES));
  for (std::size_t i = 0; i < n; ++i) {
    JCAND.push_back(r.candidates[i].J);
    PDCAND.push_back(r.candidates[i].PD);
  }
}

PowerChainRecord POWER_CHAIN_COMPUTE(const PowerChainInput& in, const HullFactorsAt& factors) {
  PowerChainRecord r;
  r.method = in.method;
  r.SeaMargin = in.SeaMargin;
  r.PEtrial = in.PEtrial;
  r.etas = in.etas;
  r.MCR = in.MCR;
  r.Z = in.Z;
  r.EAR = in.EAR;
  r.D = in.D;
  r.ow = in.ow;
  r.sel = in.sel;
  r.sel.KQ = in.sel.KQ10;  // unchanged without a routine
  const float D = in.D;

  // The computed efficiency replaces the assumed one.
  r.ETAH = (1.0f - in.t) / (1.0f - in.w);
  r.ETA0_trial = in.sel.ETA0;
  r.etaR_trial = in.etaR;
  r.etad = r.ETAH * in.sel.ETA0 * in.etaR;
  r.Pb = in.PEtrial / (r.etad * in.etas);
  r.Ps = r.Pb * (1.0f + in.SeaMargin);
  // The required engine power: classic, from the trial power (the sea margin
  // is printed, never applied); published practice, from the service power.
  r.Pbm = PUBLISHED(in.method) ? r.Ps / in.MCR : r.Pb / in.MCR;
  r.Pbd = in.etas * r.Pb;

  SelectedPropeller& pr = r.sel;
  r.JTR = (1.0f - in.w) * in.Vtrial * KNOT / ((pr.N / 60.0f) * D);

  // Operating point of the selected propeller at the trial advance ratio.
  const float n = pr.N / 60.0f;
  const float D4 = D * D * D * D;
  if (PUBLISHED(in.method) && in.routine != PropellerRoutine::None) {
    // One propeller throughout: the one the search or the operating point
    // found, whose efficiency gave etad and Pb, is the selected one and the
    // one of the characteristics, at its own advance ratio.
    pr.KQ = in.sel.KQ;
    r.JTR = pr.J;
    r.PDTR = pr.PD;
    r.PABS = pr.Pd;
    r.THR = (n * n) * pr.KT * D4 * in.RHO / 1000.0f;
  } else if (in.routine == PropellerRoutine::OptimumForD ||
             in.routine == PropellerRoutine::OptimumForN) {
    // (The brake power above comes from the propeller the search found; the
    // selected propeller and the characteristics take another one, read off
    // the optimum line at the trial advance ratio with the blade-drag
    // correction applied.)
    // P/D of the optimum line of the candidates, read at the trial J.
    if (!TABLE_INTERPOLATION(static_cast<int>(in.JCAND.size()), in.JCAND.data(), in.PDCAND.data(),
                             r.JTR, r.PDTR, MAX_CANDIDATES, 3)) {
      r.stop = SPLINE_CAPACITY_STOP();
      return r;
    }
    r.ow.J = r.JTR;
    SERIES_KTKQ(r.ow, in.set, r.PDTR, in.EAR, r.Z);
    const float D5 = D4 * D;
    r.PABS = TWO_PI_POWER * r.ow.KQ * in.RHO * (n * n) * D5 * pr.N / 60.0f / 1000.0f;
    pr.J = r.JTR;
    pr.KT = r.ow.KT;
    pr.KQ = r.ow.KQ;
    pr.ETA0 = r.ow.ETA0;
    pr.PD = r.PDTR;
    pr.Pd = r.PABS;
    r.THR = (n * n) * pr.KT * D4 * in.RHO / 1000.0f;
  } else if (in.routine == PropellerRoutine::PitchForThrust ||
             in.routine == PropellerRoutine::Given) {
    r.PDTR = pr.PD;
    r.PABS = pr.Pd;
    r.THR = (n * n) * pr.KT * D4 * in.RHO / 1000.0f;
    pr.KQ = in.sel.KQ10 / 10.0f;
  }
  pr.KQ10 = 10.0f * pr.KQ;

  // Holtrop factors of the selected propeller at every speed.
  const std::size_t NS = in.Vs.size();
  r.WFT.resize(NS);
  r.ThDF.resize(NS);
  r.ETAR.resize(NS);
  for (std::size_t i = 0; i < NS; ++i) {
    const HullFactors f = factors(D, pr.PD, in.EAR, in.RV[i], in.Vs[i]);
    r.WFT[i] = f.w;
    r.ThDF[i] = f.t;
    r.ETAR[i] = f.etaR;
    r.etaR_raw_last = f.etaR_raw;
  }

  CharacteristicsInput c;
  c.set = in.set;
  c.ow = r.ow;
  c.JD = r.JTR;
  c.PD = pr.PD;
  c.EAR = in.EAR;
  c.Z = r.Z;
  c.PDEL = r.PABS;
  c.TH = r.THR;
  c.N = pr.N;
  c.VD = in.Vtrial;
  c.KTD = pr.KT;
  c.KQD = pr.KQ;
  c.D = D;
  c.ETATR = in.etas;
  c.RHO = in.RHO;
  if (in.ITR >= 1 && static_cast<std::size_t>(in.ITR) <= NS) {
    const auto itr = static_cast<std::size_t>(in.ITR - 1);
    c.WD = r.WFT[itr];
    c.TD = r.ThDF[itr];
  }
  c.NPROP = in.NPROP;
  c.IPOD = in.IPOD;
  c.VS = in.Vs;
  c.PE = in.PE;
  c.WFT = r.WFT;
  c.ThDF = r.ThDF;
  c.ETAR = r.ETAR;
  r.characteristics = PROPULSION_CHARACTERISTICS(c);
  r.charComputed = true;
  r.stop = r.characteristics.stop;
  return r;
}

}  // namespace vdk
