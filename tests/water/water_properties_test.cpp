// Water property tables: table rows, temperature bounds, density plateaus,
// fresh or salt water.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/stop.hpp"
#include "report/water_report.hpp"
#include "water/water.hpp"

namespace vdk {
namespace {

struct Water {
  float PV = -1, NU = -1, RHOW = -1;
};

Water props(int IFRESH, float TW) {
  const WaterProperties r = WATER_PROPERTIES(IFRESH, TW);
  EXPECT_FALSE(r.stop) << TW;
  EXPECT_FALSE(r.temperature_outside) << TW;
  return Water{r.PV, r.NU, r.RHOW};
}

TEST(WaterProperties, TableRowsAreReturnedExactly) {
  const Water f15 = props(1, 15.0f);
  EXPECT_EQ(f15.NU, 1.13902f / 1.0E6f);
  EXPECT_EQ(f15.RHOW, 999.0f);
  EXPECT_EQ(f15.PV, 1706.0f);

  const Water s15 = props(2, 15.0f);
  EXPECT_EQ(s15.NU, 1.18831f / 1.0E6f);
  EXPECT_EQ(s15.RHOW, 1025.9f);
  EXPECT_EQ(s15.PV, 1706.0f);

  const Water f0 = props(1, 0.0f);
  EXPECT_EQ(f0.NU, 1.78667f / 1.0E6f);
  EXPECT_EQ(f0.RHOW, 999.8f);
  EXPECT_EQ(f0.PV, 608.012f);

  const Water s20 = props(0, 20.0f);
  EXPECT_EQ(s20.NU, 1.05372f / 1.0E6f);
  EXPECT_EQ(s20.RHOW, 1024.7f);
  EXPECT_EQ(s20.PV, 2334.0f);

  // 30 degrees is the end of the viscosity and density tables.
  const Water f30 = props(1, 30.0f);
  EXPECT_NEAR(f30.NU, 0.80091e-6f, 1e-11f);
  EXPECT_NEAR(f30.RHOW, 995.6f, 1e-3f);
  EXPECT_EQ(f30.PV, 4236.0f);
}

TEST(WaterProperties, BetweenRowsFollowsTheCurve) {
  const Water f = props(1, 17.5f);
  EXPECT_GT(f.NU, 1.05456e-6f);
  EXPECT_LT(f.NU, 1.08155e-6f);
  EXPECT_GT(f.RHOW, 998.5f);
  EXPECT_LT(f.RHOW, 998.7f);
  EXPECT_GT(f.PV, 1814.0f);
  EXPECT_LT(f.PV, 2059.0f);
}

// Between the rows the spline runs through every point of its table, so a
// wrong digit in any row moves these values. Expected values worked out
// independently in single precision from the ITTC 1963 tables.
TEST(WaterProperties, ValuesBetweenRowsToTheLastBit) {
  struct Row {
    float TW, PV, NUfresh, RHOfresh, NUsalt, RHOsalt;
  };
  const Row rows[] = {
      {0.5f, 631.477234f, 1.75644698e-06f, 999.799988f, 1.79837537e-06f, 1027.96301f},
      {3.7f, 797.239624f, 1.58062392e-06f, 999.900024f, 1.62427432e-06f, 1027.7334f},
      {9.25f, 1164.81653f, 1.33490516e-06f, 999.67218f, 1.38193639e-06f, 1026.98389f},
      {14.5f, 1651.75537f, 1.15416913e-06f, 999.037842f, 1.20330856e-06f, 1026.00085f},
      {17.5f, 1994.2948f, 1.06791811e-06f, 998.598145f, 1.11768998e-06f, 1025.28772f},
      {23.3f, 2856.39966f, 9.28232339e-07f, 997.336609f, 9.78059688e-07f, 1023.71002f},
      {28.8f, 3959.29761f, 8.21476135e-07f, 995.967041f, 8.70259328e-07f, 1022.06f},
      {29.9f, 4211.85205f, 8.02585305e-07f, 995.623718f, 8.51024765e-07f, 1021.72998f},
  };
  for (const Row& r : rows) {
    const Water fresh = props(1, r.TW);
    EXPECT_EQ(fresh.PV, r.PV) << r.TW;
    EXPECT_EQ(fresh.NU, r.NUfresh) << r.TW;
    EXPECT_EQ(fresh.RHOW, r.RHOfresh) << r.TW;
    const Water salt = props(0, r.TW);
    EXPECT_EQ(salt.PV, r.PV) << r.TW;
    EXPECT_EQ(salt.NU, r.NUsalt) << r.TW;
    EXPECT_EQ(salt.RHOW, r.RHOsalt) << r.TW;
  }
}

TEST(WaterProperties, AnyKindOtherThanOneIsSaltWater) {
  for (int kind : {0, 2, -1, 7}) {
    const Water w = props(kind, 12.5f);
    const Water salt = props(2, 12.5f);
    EXPECT_EQ(w.NU, salt.NU) << kind;
    EXPECT_EQ(w.RHOW, salt.RHOW) << kind;
    EXPECT_GT(w.RHOW, 1026.0f) << kind;
  }
  EXPECT_LT(props(1, 12.5f).RHOW, 1000.0f);
}

TEST(WaterProperties, DensityPlateaus) {
  for (float t : {2.0f, 2.5f, 3.0f, 4.2f, 5.9f, 6.0f}) {
    EXPECT_EQ(props(1, t).RHOW, 999.9f) << t;
  }
  for (float t : {0.0f, 0.3f, 0.99f}) {
    EXPECT_EQ(props(1, t).RHOW, 999.8f) << t;
  }
  for (float t : {7.0f, 7.5f, 7.999f}) {
    EXPECT_EQ(props(1, t).RHOW, 999.8f) << t;
  }
  for (float t : {2.0f, 2.5f, 2.99f}) {
    EXPECT_EQ(props(0, t).RHOW, 1027.8f) << t;
  }
  // Just outside a plateau the curve moves again.
  EXPECT_NE(props(1, 6.5f).RHOW, 999.9f);
}

TEST(WaterProperties, TemperatureOutsideTablesStopsAfterPause) {
  for (float t : {30.001f, -0.001f, 45.0f, -5.0f, std::nanf("")}) {
    const WaterProperties w = WATER_PROPERTIES(1, t);
    ASSERT_TRUE(w.stop) << t;
    EXPECT_TRUE(w.temperature_outside);
    EXPECT_EQ(w.stop->status, EXIT_CALC_STOP);
    EXPECT_TRUE(w.stop->pause);
    EXPECT_EQ(w.stop->prompt, "");
  }
  const WaterProperties w = WATER_PROPERTIES(2, 31.0f);
  std::ostringstream con;
  WRITE_WATER_TEMPERATURE_STOP(con, w);
  EXPECT_EQ(con.str(),
            "\n\n\n MODEL DENEY SICAKLIGI TABLO DISI - STOP\n"
            "  T =   31.00 derece\n");

  // Values without the stop write nothing.
  std::ostringstream none;
  WRITE_WATER_TEMPERATURE_STOP(none, WATER_PROPERTIES(2, 30.0f));
  EXPECT_EQ(none.str(), "");
}

}  // namespace
}  // namespace vdk
