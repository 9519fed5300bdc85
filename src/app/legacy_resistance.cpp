#include "app/legacy_resistance.hpp"

#include "core/stop.hpp"
#include "report/resistance_report.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {

// The per-speed fields of the run state as the speed block left them: the
// fields of every step the block reached.
void STORE_BLOCK(ResistanceState& r, const SpeedBlock& b) {
  const HullFormAtSpeed& hf = b.hull_form;
  r.VS = hf.VS;
  r.Fn = hf.Fn;
  r.Tmean = hf.hull.Tmean;
  r.CB = hf.hull.CB;
  r.CP = hf.hull.CP;
  r.CBlwl = hf.hull.CBlwl;
  r.CWPlwl = hf.hull.CWPlwl;
  r.lcb = hf.hull.lcb;
  if (b.end == BlockEnd::PrismaticStop) return;
  r.CPlwl = hf.hull.CPlwl;
  r.LR = hf.LR;
  r.C = hf.C;
  r.SE = hf.SE;
  r.S_Taylan = hf.S_Taylan;
  r.KHoltrop = hf.KHoltrop;
  r.OnePlusK = hf.OnePlusK;
  r.OnePlusKGrigson = hf.OnePlusKGrigson;

  const FrictionAppendageWind& fr = b.friction;
  r.Rn = fr.Rn;
  r.CF = fr.CF;
  r.CV = fr.CV;
  r.RF = fr.RF;
  r.RAPP = fr.RAPP;
  r.RAIR = fr.RAIR;
  if (fr.wind == WindCase::Computed) {
    r.AFRONT = fr.AFRONT;
    r.CAA = fr.CAA;
  }

  const WaveBulbTransom& w = b.wave;
  r.CPlwl = w.CPlwl;
  r.IE_est = w.IE_est;
  r.C1 = w.C1;
  r.C2 = w.C2;
  r.C3 = w.C3;
  r.C4 = w.C4;
  r.C5 = w.C5;
  r.C6 = w.C6;
  r.C15 = w.C15;
  r.C17 = w.C17;
  r.M1 = w.M1;
  r.M2 = w.M2;
  r.M3 = w.M3;
  r.M4 = w.M4;
  r.LAMDA = w.LAMDA;
  r.Rw = w.Rw;
  r.Rbulb = w.Rbulb;
  if (b.end == BlockEnd::BulbStop) return;
  r.Rayna = w.Rayna;
  r.Rbot = w.Rbot;
  r.CW = w.CW;

  const CorrelationAndTotals& t = b.totals;
  r.CA = t.CA;
  r.RA = t.RA;
  r.RT = t.RT;
  r.CT = t.CT;
  r.CR = t.CR;
  r.PE = t.PE;
}

void STORE_COLUMNS(SpeedTable& sp, const ResistanceColumns& c) {
  sp.FnArr = c.Fn;
  sp.RnArr = c.Rn;
  sp.CFArr = c.CF;
  sp.CVArr = c.CV;
  sp.RFArr = c.RF;
  sp.RAPPArr = c.RAPP;
  sp.RAIRArr = c.RAIR;
  sp.RWArr = c.RW;
  sp.RBArr = c.RB;
  sp.RTRArr = c.RTR;
  sp.RBTArr = c.RBT;
  sp.CAArr = c.CA;
  sp.RAArr = c.RA;
  sp.RVArr = c.RV;
  sp.RTArr = c.RT;
  sp.CTArr = c.CT;
  sp.CRArr = c.CR;
  sp.PEArr = c.PE;
}

ResistanceColumns COLUMNS_OF(const SpeedTable& sp) {
  ResistanceColumns c;
  c.Fn = sp.FnArr;
  c.Rn = sp.RnArr;
  c.CF = sp.CFArr;
  c.CV = sp.CVArr;
  c.RF = sp.RFArr;
  c.RAPP = sp.RAPPArr;
  c.RAIR = sp.RAIRArr;
  c.RW = sp.RWArr;
  c.RB = sp.RBArr;
  c.RTR = sp.RTRArr;
  c.RBT = sp.RBTArr;
  c.CA = sp.CAArr;
  c.RA = sp.RAArr;
  c.RV = sp.RVArr;
  c.RT = sp.RTArr;
  c.CT = sp.CTArr;
  c.CR = sp.CRArr;
  c.PE = sp.PEArr;
  return c;
}

[[noreturn]] void THROW_STOP(const Stop& s) {
  throw StopRequest{s.status, s.pause, s.prompt};
}

}  // namespace

void RESISTANCE_CALCULATION(Run& run) {
  const ShipRecord ship = run.ship;
  const ResistanceResult res = COMPUTE_RESISTANCE(ship);
  WRITE_RESISTANCE_CALCULATION(run.con, run.son, ship, res);

  ResistanceState& r = run.res;
  r.Sapptot = res.summary.Sapptot;
  r.OnePlusK2eff = res.summary.OnePlusK2eff;
  r.PropCase = res.summary.PropCase;
  r.DISPW = res.summary.DISPW;
  for (const SpeedBlock& b : res.blocks) STORE_BLOCK(r, b);
  STORE_COLUMNS(run.sp, res.columns);
  run.ship.S = res.S_used;
  run.ship.IE = res.IE_used;
  if (res.stop) THROW_STOP(*res.stop);
}

void RESISTANCE_TABLES(Run& run) {
  // The speed loop has already settled the wetted surface in run.ship.S.
  ResistanceResult res;
  res.columns = COLUMNS_OF(run.sp);
  res.S_used = run.ship.S;
  const ResistanceTables t = COMPUTE_RESISTANCE_TABLES(run.ship, res);
  WRITE_RESISTANCE_TABLES(run.son, run.ship, res, t);

  run.res.CorrFlag = t.CorrFlag;
  if (t.CorrFlag == 1) {
    run.res.Vc = t.Vc;
    run.sp.FacArr = t.Fac;
  }
  if (t.stop) THROW_STOP(*t.stop);
  run.sp.CRArr = t.CR_corrected;
  run.sp.CTArr = t.CT_corrected;
  run.sp.RTArr = t.RT_corrected;
  run.sp.PEArr = t.PE_corrected;
}

}  // namespace vdk
