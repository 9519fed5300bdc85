// Vapour pressure, kinematic viscosity and density of fresh and salt water
// (ITTC 1963 densities and viscosities), read off their tables by spline.
#include <array>

#include "core/stop.hpp"
#include "core/table_interpolation.hpp"
#include "water/water.hpp"

namespace vdk {

namespace {

// Vapour pressure, N/m2, at 0, 2, ..., 14, 15, 16, 18, ..., 40 degrees C.
constexpr std::array<float, 22> VAPOUR_T{0,  2,  4,  6,  8,  10, 12, 14, 15, 16, 18,
                                         20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40};
constexpr std::array<float, 22> VAPOUR_PV{
    608.012f, 706.078f, 813.951f, 932,  1069, 1226, 1402, 1598, 1706, 1814, 2059,
    2334,     2638,     2981,     3364, 3785, 4236, 4756, 5315, 5943, 6619, 7375};

// Viscosity (units of 1.0E-6 m2/s) and density (kg/m3) at 0, 1, ..., 30 degrees C.
constexpr std::array<float, 31> WATER_T{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                        11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                        22, 23, 24, 25, 26, 27, 28, 29, 30};
constexpr std::array<float, 31> NU_FRESH{
    1.78667f, 1.72701f, 1.6704f,  1.61665f, 1.56557f, 1.51698f, 1.4707f,  1.42667f,
    1.38471f, 1.34463f, 1.30641f, 1.26988f, 1.23495f, 1.20159f, 1.16964f, 1.13902f,
    1.10966f, 1.08155f, 1.05456f, 1.02865f, 1.00374f, 0.97984f, 0.95682f, 0.93471f,
    0.9134f,  0.89292f, 0.87313f, 0.85409f, 0.83572f, 0.81798f, 0.80091f};
constexpr std::array<float, 31> NU_SALT{
    1.82844f, 1.76915f, 1.71306f, 1.65988f, 1.6094f,  1.56142f, 1.51584f, 1.47242f,
    1.43102f, 1.39152f, 1.35383f, 1.31773f, 1.28324f, 1.25028f, 1.21862f, 1.18831f,
    1.15916f, 1.13125f, 1.10438f, 1.07854f, 1.05372f, 1.02981f, 1.00678f, 0.98457f,
    0.96315f, 0.94252f, 0.92255f, 0.90331f, 0.8847f,  0.86671f, 0.84931f};
constexpr std::array<float, 31> RHO_FRESH{
    999.8f, 999.8f, 999.9f, 999.9f, 999.9f, 999.9f, 999.9f, 999.8f, 999.8f, 999.7f, 999.6f,
    999.5f, 999.4f, 999.3f, 999.1f, 999.0f, 998.9f, 998.7f, 998.5f, 998.3f, 998.1f, 997.9f,
    997.7f, 997.4f, 997.2f, 996.9f, 996.7f, 996.4f, 996.2f, 995.9f, 995.6f};
constexpr std::array<float, 31> RHO_SALT{
    1028.0f, 1027.9f, 1027.8f, 1027.8f, 1027.7f, 1027.6f, 1027.4f, 1027.3f,
    1027.1f, 1027.0f, 1026.9f, 1026.7f, 1026.6f, 1026.3f, 1026.1f, 1025.9f,
    1025.7f, 1025.4f, 1025.2f, 1025.0f, 1024.7f, 1024.4f, 1024.1f, 1023.8f,
    1023.5f, 1023.2f, 1022.9f, 1022.6f, 1022.3f, 1022.0f, 1021.7f};

}  // namespace

WaterProperties WATER_PROPERTIES(int IFRESH, float TW) {
  WaterProperties w;
  w.TW = TW;
  // Outside the tables (a temperature that is not a number included).
  if (!(TW >= 0.0f && TW <= 30.0f)) {
    w.temperature_outside = true;
    w.stop = STOP_OF("E203", true);
    return w;
  }

  const float* nuTable = IFRESH == 1 ? NU_FRESH.data() : NU_SALT.data();
  const float* rhoTable = IFRESH == 1 ? RHO_FRESH.data() : RHO_SALT.data();
  float PV = 0, NU = 0, RHOW = 0;
  if (!TABLE_INTERPOLATION(22, VAPOUR_T.data(), VAPOUR_PV.data(), TW, PV, 22, 3) ||
      !TABLE_INTERPOLATION(31, WATER_T.data(), nuTable, TW, NU, 31, 3) ||
      !TABLE_INTERPOLATION(31, WATER_T.data(), rhoTable, TW, RHOW, 31, 3)) {
    w.stop = SPLINE_CAPACITY_STOP();
    return w;
  }
  w.PV = PV;
  w.NU = NU / 1.0E6f;
  w.RHOW = RHOW;
  return w;
}

}  // namespace vdk
