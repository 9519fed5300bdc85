// Model-scale resistance table, BSRA form factor and the model-resistance
// file, after the ship resistance tables.
#include <cmath>
#include <system_error>

#include "format/format.hpp"
#include "water/water.hpp"

namespace vdk {

namespace {

// BSRA form factor on Lbp for a model of scale ModelScale in water of
// kinematic viscosity NU: Froude number and model speed of the regression.
struct BsraModel {
  float FnB = 0, VmB = 0;
};

BsraModel BSRA_MODEL_SPEED(const ShipRecord& ship, float CB, float ModelScale) {
  BsraModel m;
  m.FnB = (0.0505f / powf(CB, 1.244f)) * powf(ModelScale, 0.178f);
  m.VmB = m.FnB * sqrtf(ship.GRAV * ship.Lbp / ModelScale);
  return m;
}

float BSRA_FORM_FACTOR(const ShipRecord& ship, float CB, float Tmean, float ModelScale,
                       const BsraModel& m, float NU) {
  const float RnB = (ship.Lbp / ModelScale) * m.VmB / NU;
  return 1.893f * powf(ship.B / Tmean, 0.08f) * powf(ship.B / ship.Lbp, 0.3195f) *
         powf(RnB, 0.025f) * powf(CB, 0.2286f) * powf(m.FnB, 0.124f);
}

}  // namespace

void MODEL_SCALE_SECTION(Run& run) {
  ShipRecord& ship = run.ship;
  const ResistanceState& res = run.res;
  const SpeedTable& sp = run.sp;
  std::ostream& son = run.son;

  float PV = 0, NU = 0, RHOW = 0;
  float OnePlusKBSRA = 0;

  if (ship.ModelScale > 0.01f) {
    WATER_PROPERTIES(run.con, 1, ship.ModelWaterTemp, PV, NU, RHOW);
    WRITE_FORMATTED(son,
                    "(/,/,/,14X,'MODEL DIRENC KARAKTERISTIKLERI',/,1X,72('='),/,7X,'Vm',7X,'Fn',"
                    "7X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ct',7X,'Rm',/,7X,'m/s',13X,'/10^6',4X,"
                    "'*1000',4X,'*1000',4X,'*1000',4X,'*1000',4X,'  Kg ',/,1X,72('='))");
    for (int i = 1; i <= ship.NSPEED; ++i) {
      const float Vm = sp.FnArr(i) * sqrtf(ship.GRAV * ship.Lwl / ship.ModelScale);
      const float Rnm = (ship.Lwl / ship.ModelScale) * Vm / NU;
      const float lg = log10f(Rnm) - 2.0f;
      const float Cfm = 0.075f / (lg * lg);
      const float Cvm = Cfm * res.OnePlusK;
      const float Ctm = Cvm + sp.CRArr(i);
      const float Rm =
          0.5f * RHOW * (ship.S / (ship.ModelScale * ship.ModelScale)) * (Vm * Vm) * Ctm;
      WRITE_FORMATTED(son, "(1X,I2,2X,F5.2,2X,6(F7.3,2X),F7.2)", i, Vm, sp.FnArr(i), Rnm * 1e-6f,
                      Cfm * 1000.0f, Cvm * 1000.0f, sp.CRArr(i) * 1000.0f, Ctm * 1000.0f,
                      Rm / ship.GRAV);
    }
    WRITE_FORMATTED(son, "(1X,72('=')))");
    const BsraModel m = BSRA_MODEL_SPEED(ship, res.CB, ship.ModelScale);
    OnePlusKBSRA = BSRA_FORM_FACTOR(ship, res.CB, res.Tmean, ship.ModelScale, m, NU);
  } else {
    // No model given: the BSRA form factor of a 4 m model in water at 15 degrees.
    ship.ModelScale = ship.Lbp / 4.0f;
    const BsraModel m = BSRA_MODEL_SPEED(ship, res.CB, ship.ModelScale);
    WATER_PROPERTIES(run.con, 1, 15.0f, PV, NU, RHOW);
    OnePlusKBSRA = BSRA_FORM_FACTOR(ship, res.CB, res.Tmean, ship.ModelScale, m, NU);
    ship.ModelScale = 0.0f;
  }

  WRITE_FORMATTED(son, "(/5X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'Fn  : Froude sayisi')");
  WRITE_FORMATTED(son, "(3X,'Vs  : Gemi Hizi - knot')");
  WRITE_FORMATTED(son, "(3X,'Cf  : Surtunme direnc katasyisi')");
  WRITE_FORMATTED(son, "(3X,'Cv  : Form direnc katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Cr  : Artik (dalga) direnc katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Ca  : Model/Gemi korelasyon katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Ct  : Toplam direnc katsayisi')");
  WRITE_FORMATTED(son,
                  "(3X,'1+k : ',F5.3,' Form Faktoru ( 1+k = '          F5.3,' - Grigson, ',F5.3,"
                  "' - BSRA )')",
                  res.OnePlusK, res.OnePlusKGrigson, OnePlusKBSRA);
  WRITE_FORMATTED(son, "(1X,77('='))");

  if (ship.ModelScale > 1.0f) {
    MODEL_RESISTANCE_VALUES(run.con, run.dir, ship.NSPEED, sp.CRArr.data1(), ship.Vs.data1(),
                            res.OnePlusK, ship.ModelScale, ship.S, ship.Lwl, ship.ModelWaterTemp);
  } else {
    // No model-resistance file for this run: an old one must not survive.
    std::error_code ec;
    std::filesystem::remove(run.dir / MODEL_RESISTANCE_FILE, ec);
  }
}

}  // namespace vdk
