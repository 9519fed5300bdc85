// Model-scale resistance table and BSRA form factor, after the ship
// resistance tables.
#include <cmath>
#include <cstddef>

#include "core/constants.hpp"
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

ModelScaleResult MODEL_SCALE_CALCULATION(const ShipRecord& ship, const ModelScaleHull& hull,
                                         const SpeedTable::Col& FnArr,
                                         const SpeedTable::Col& CRArr) {
  ModelScaleResult r;
  r.OnePlusK = hull.OnePlusK;
  r.OnePlusKGrigson = hull.OnePlusKGrigson;

  if (ship.ModelScale > 0.01f) {
    r.model_given = true;
    r.ModelScale_used = ship.ModelScale;
    r.ModelScale_BSRA = ship.ModelScale;
    r.water = WATER_PROPERTIES(1, ship.ModelWaterTemp);
    if (r.water.stop) {
      r.stop = r.water.stop;
      return r;
    }
    const float NU = r.water.NU;
    const float RHOW = r.water.RHOW;
    const float scale = ship.ModelScale;
    for (int i = 1; i <= ship.NSPEED; ++i) {
      ModelTableRow row;
      row.Fn = FnArr(i);
      row.CR = CRArr(i);
      row.Vm = FnArr(i) * sqrtf(ship.GRAV * ship.Lwl / scale);
      row.Rnm = (ship.Lwl / scale) * row.Vm / NU;
      row.Cfm = ITTC57_CF(row.Rnm);
      row.Cvm = row.Cfm * hull.OnePlusK;
      row.Ctm = row.Cvm + CRArr(i);
      const float Rm = 0.5f * RHOW * (hull.S / (scale * scale)) * (row.Vm * row.Vm) * row.Ctm;
      row.Rm_kg = Rm / ship.GRAV;
      r.rows.push_back(row);
    }
    const BsraModel m = BSRA_MODEL_SPEED(ship, hull.CB, scale);
    r.OnePlusKBSRA = BSRA_FORM_FACTOR(ship, hull.CB, hull.Tmean, scale, m, NU);
  } else {
    // No model given: the BSRA form factor of a 4 m model in water at 15 degrees.
    r.ModelScale_used = 0.0f;
    r.ModelScale_BSRA = ship.Lbp / 4.0f;
    const BsraModel m = BSRA_MODEL_SPEED(ship, hull.CB, r.ModelScale_BSRA);
    r.water = WATER_PROPERTIES(1, 15.0f);
    if (r.water.stop) {
      r.stop = r.water.stop;
      return r;
    }
    r.OnePlusKBSRA = BSRA_FORM_FACTOR(ship, hull.CB, hull.Tmean, r.ModelScale_BSRA, m, r.water.NU);
  }

  // The model-resistance file only for a real model (scale above 1).
  if (r.ModelScale_used > 1.0f) {
    const auto n = static_cast<std::size_t>(ship.NSPEED > 0 ? ship.NSPEED : 0);
    r.model_file = MODEL_RESISTANCE_VALUES(
        std::span<const float>(ship.Vs.data1(), n), std::span<const float>(CRArr.data1(), n),
        hull.OnePlusK, r.ModelScale_used, hull.S, ship.Lwl, ship.ModelWaterTemp);
    if (r.model_file->stop) r.stop = r.model_file->stop;
  }
  return r;
}

}  // namespace vdk
