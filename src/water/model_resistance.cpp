// The model-resistance values: what a towing-tank model of the ship should
// show at each speed, and the model speeds at which it shows a fixed list of
// resistance values.
#include <algorithm>
#include <array>
#include <cmath>

#include "core/constants.hpp"
#include "core/table_interpolation.hpp"
#include "water/water.hpp"

namespace vdk {

namespace {

constexpr int WORK_CAPACITY = 70;

// Model resistances (kilograms force) whose model speeds are tabulated.
constexpr std::array<float, 70> MODEL_RESISTANCE_LIST{
    0.2f,  0.3f,  0.4f,  0.5f,  0.6f,  0.7f,  0.75f,  0.8f,   0.9f,   1.0f,  1.1f,  1.2f,
    1.25f, 1.3f,  1.4f,  1.5f,  1.6f,  1.7f,  1.75f,  1.8f,   1.9f,   2.0f,  2.1f,  2.2f,
    2.25f, 2.3f,  2.4f,  2.5f,  2.6f,  2.7f,  2.75f,  2.8f,   2.9f,   3.0f,  3.25f, 3.5f,
    4.0f,  5.0f,  6.0f,  7.0f,  8.0f,  9.0f,  10.0f,  11.0f,  12.0f,  13.0f, 14.0f, 15.0f,
    16.0f, 17.0f, 18.0f, 19.0f, 20.0f, 22.0f, 24.0f,  26.0f,  28.0f,  30.0f, 35.0f, 40.0f,
    45.0f, 50.0f, 60.0f, 70.0f, 80.0f, 90.0f, 100.0f, 120.0f, 130.0f, 140.0f};

}  // namespace

ModelResistanceFile MODEL_RESISTANCE_VALUES(std::span<const float> Vs, std::span<const float> CR,
                                            float K1, float ModelScale, float S, float Lwl,
                                            float ModelWaterTemp) {
  const float g = G_STANDARD;
  const float lambda = ModelScale;
  const int n = static_cast<int>(std::min<std::size_t>(Vs.size(), WORK_CAPACITY));

  ModelResistanceFile m;
  m.ModelScale = lambda;
  m.K1 = K1;
  m.Lwl = Lwl;
  m.Lwl_model = Lwl / lambda;
  m.S = S;
  m.S_model = S / (lambda * lambda);
  m.ModelWaterTemp = ModelWaterTemp;

  // Ship: salt water at 15 degrees.
  m.ship_water = WATER_PROPERTIES(0, m.ship_temperature);
  if (m.ship_water.stop) {
    m.stop = m.ship_water.stop;
    return m;
  }

  std::array<float, WORK_CAPACITY> Fn{}, Vm{}, RtmKg{};
  for (int i = 0; i < n; ++i) {
    Fn[i] = Vs[i] * KNOT / sqrtf(Lwl * g);
  }

  // Model: fresh water at the test temperature.
  m.model_water = WATER_PROPERTIES(1, ModelWaterTemp);
  if (m.model_water.stop) {
    m.stop = m.model_water.stop;
    return m;
  }
  const float NUm = m.model_water.NU;
  const float RHOm = m.model_water.RHOW;

  m.speeds.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    ModelSpeedRow& r = m.speeds[static_cast<std::size_t>(i)];
    r.Vs = Vs[i];
    r.Fn = Fn[i];
    r.CR = CR[i];
    Vm[i] = sqrtf(Lwl * g / lambda) * Fn[i];
    r.Vm = Vm[i];
    r.Rnm = Vm[i] * Lwl / lambda / NUm;
    r.Cfm = ITTC57_CF(r.Rnm);
    r.Cvm = r.Cfm * K1;
    r.Ctm = CR[i] + r.Cvm;
    const float Rtm = Vm[i] * Vm[i] * r.Ctm * (S / (lambda * lambda)) * RHOm * 0.5f;
    RtmKg[i] = Rtm / g;
    r.Rtm_kg = RtmKg[i];
  }

  // Model speeds at the listed resistances strictly inside the computed range.
  if (n >= 1) {
    for (float R : MODEL_RESISTANCE_LIST) {
      if (!(RtmKg[0] < R && R < RtmKg[n - 1])) continue;
      MeasurementRow row;
      row.Rtm_kg = R;
      if (!TABLE_INTERPOLATION(n, RtmKg.data(), Vm.data(), R, row.Vm, WORK_CAPACITY, 3)) {
        m.stop = SPLINE_CAPACITY_STOP();
        return m;
      }
      row.Fn = row.Vm / sqrtf(Lwl * g / lambda);
      row.Vs = sqrtf(Lwl * g) * row.Fn / KNOT;
      row.Ctm = R * g / (row.Vm * row.Vm * (S / (lambda * lambda)) * RHOm * 0.5f);
      m.measurements.push_back(row);
    }
  }
  return m;
}

}  // namespace vdk
