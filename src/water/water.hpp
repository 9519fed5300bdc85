// Water properties and model-scale values.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// Vapour pressure PV (N/m2), kinematic viscosity NU (m2/s) and density RHOW
// (kg/m3) of water at TW degrees C.
struct WaterProperties {
  float TW = 0;  // temperature asked for
  float PV = 0, NU = 0, RHOW = 0;
  bool temperature_outside = false;  // TW outside 0..30 degrees: the stop below
  std::optional<Stop> stop;
};

// Fresh water for IFRESH = 1, salt water otherwise. A temperature outside
// 0..30 (or not a number) returns the temperature stop and no values.
WaterProperties WATER_PROPERTIES(int IFRESH, float TW);

// ---------------------------------------------------------------------------
// The model-resistance file: what a towing-tank model of the ship should show
// at each speed, and the model speeds at which it shows a fixed list of model
// resistances.

// Model values at one ship speed.
struct ModelSpeedRow {
  float Vs = 0;      // ship speed, knots
  float Vm = 0;      // model speed, m/s
  float Fn = 0;      // Froude number
  float Rnm = 0;     // model Reynolds number
  float Cfm = 0;     // ITTC 1957 friction coefficient of the model
  float Cvm = 0;     // viscous coefficient of the model, (1+k) Cfm
  float CR = 0;      // residuary coefficient (as the ship's)
  float Ctm = 0;     // total model coefficient
  float Rtm_kg = 0;  // model resistance, kilograms force
};

// Model speed at one listed model resistance.
struct MeasurementRow {
  float Rtm_kg = 0;  // listed model resistance, kilograms force
  float Vm = 0;      // model speed, m/s
  float Fn = 0;      // Froude number
  float Vs = 0;      // ship speed, knots
  float Ctm = 0;     // total model coefficient at that resistance
};

struct ModelResistanceFile {
  float ModelScale = 0;  // lambda
  float K1 = 0;          // form factor (1+k)
  float Lwl = 0, Lwl_model = 0;
  float S = 0, S_model = 0;
  float ship_temperature = 15.0f;  // the ship in salt water at 15 degrees
  float ModelWaterTemp = 0;        // the model in fresh water at this temperature
  WaterProperties ship_water, model_water;
  std::vector<ModelSpeedRow> speeds;
  std::vector<MeasurementRow> measurements;  // in the order of the resistance list
  std::optional<Stop> stop;                  // no value above is complete after a stop
};

// Model values at the speeds Vs (knots) with the ship's residuary
// coefficients CR (one per speed) and form factor K1, for a model of scale
// ModelScale of a ship with wetted surface S and waterline length Lwl.
ModelResistanceFile MODEL_RESISTANCE_VALUES(std::span<const float> Vs, std::span<const float> CR,
                                            float K1, float ModelScale, float S, float Lwl,
                                            float ModelWaterTemp);

// ---------------------------------------------------------------------------
// Model-scale section of the results file: the model resistance table at the
// given scale and the BSRA form factor.

// The hull values of the section, as the resistance calculation leaves them.
struct ModelScaleHull {
  float S = 0;   // wetted surface used by the resistance calculation, m2
  float CB = 0;  // block coefficient on Lbp
  float Tmean = 0;
  float OnePlusK = 0, OnePlusKGrigson = 0;  // form factors, shown beside the BSRA one
};

struct ModelTableRow {
  float Vm = 0, Fn = 0, Rnm = 0, Cfm = 0, Cvm = 0, CR = 0, Ctm = 0;
  float Rm_kg = 0;  // model resistance, kilograms force
};

struct ModelScaleResult {
  bool model_given = false;   // a model scale above 0.01: the table is written
  float ModelScale_used = 0;  // the scale of the run from here on: the given one, 0 without model
  float ModelScale_BSRA = 0;  // scale of the BSRA model: the given one, or a 4 m model (Lbp/4)
  WaterProperties water;      // model water; fresh water at 15 degrees without a model
  std::vector<ModelTableRow> rows;  // one per speed when the model is given
  float OnePlusK = 0, OnePlusKGrigson = 0, OnePlusKBSRA = 0;
  std::optional<ModelResistanceFile> model_file;  // a scale above 1: the model-resistance file
  std::optional<Stop> stop;  // the water stop (before the table) or one of the model file
};

// ship: GRAV, Lwl, Lbp, B, ModelScale, ModelWaterTemp, NSPEED, Vs; FnArr and
// CRArr per speed.
ModelScaleResult MODEL_SCALE_CALCULATION(const ShipRecord& ship, const ModelScaleHull& hull,
                                         const SpeedTable::Col& FnArr,
                                         const SpeedTable::Col& CRArr);

}  // namespace vdk
