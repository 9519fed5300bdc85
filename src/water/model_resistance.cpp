// The model-resistance file: what a towing-tank model of the ship should
// show at each speed, and the model speeds at which it shows a fixed list of
// resistance values.
#include <array>
#include <cmath>
#include <fstream>
#include <string_view>

#include "format/format.hpp"
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

// Banner box: 72 columns framed by '!', after one blank.
constexpr std::string_view BANNER_NAME_LINE =
    "(1X,'!  BORELI-VANSK  Surum 12.2026  -  VARDELONTEKSA model direnc modulu   !')";
constexpr std::string_view BANNER_TITLE_LINE =
    "(' !',13X,'MODEL DIRENC DEGERLERI HESAP PROGRAMI',20X,'!')";

// Inputs and water properties, ship value first and model value second.
constexpr std::string_view BLOCK3 =
    "(' -----------------------------------------------',/,"
    "' Model Olcegi..................: 1/',F5.1,/,"
    "' Form Faktoru - (1 + k) .......: ',F6.3,' (tahmin)',/,"
    "' -----------------------------------------------',/,"
    "/,'                                   Gemi /  Model',/,"
    "' -----------------------------------------------',/,"
    "' Su Hatti Boylari - m .........: ',F6.2,' / ',F6.3,/,"
    "' Islak Yuzey Alani - m2 .......: ',F6.1,' / ',F6.3,/,"
    "' Su Sicakliklari - der. .......: ',F6.1,' / ',F6.1,/,"
    "' Su Yogunluklari - kg/m3 ......: ',F6.1,' / ',F6.1,/,"
    "' Su Viskoziteleri - m2/s*10^6..: ',F6.3,' / ',F6.3,/,"
    "' -----------------------------------------------',/)";

void WRITE_BANNER(std::ostream& unit) {
  WRITE_FORMATTED(unit, "(1X,72('-'))");
  WRITE_FORMATTED(unit, BANNER_NAME_LINE);
  WRITE_FORMATTED(unit, "(' !',70X,'!')");
  WRITE_FORMATTED(unit, BANNER_TITLE_LINE);
  WRITE_FORMATTED(unit, "(1X,72('-'))");
}

}  // namespace

void MODEL_RESISTANCE_VALUES(std::ostream& con, const std::filesystem::path& dir, int NSPEED,
                             const float* CRArr, const float* Vs, float K1, float ModelScale,
                             float S, float Lwl, float ModelWaterTemp) {
  const float g = 9.80665f;
  const float lambda = ModelScale;
  const int n = NSPEED < WORK_CAPACITY ? NSPEED : WORK_CAPACITY;

  std::ofstream file(dir / MODEL_RESISTANCE_FILE, std::ios::out | std::ios::trunc);
  if (!file) {
    // The report goes on without the model file; say so instead of
    // pretending it was written.
    WRITE_FORMATTED(con, "(/' BORELI_VANSK_DEGERI.SON DOSYASI ACILAMADI')");
    return;
  }
  WRITE_BANNER(file);

  // Ship: salt water at 15 degrees.
  float PVs = 0, NUs = 0, RHOs = 0;
  WATER_PROPERTIES(con, 0, 15.0f, PVs, NUs, RHOs);

  std::array<float, WORK_CAPACITY> Fn{}, Vm{}, Rnm{}, Cfm{}, Cvm{}, Ctm{}, Rtm{}, RtmKg{};
  for (int i = 0; i < n; ++i) {
    Fn[i] = Vs[i] * 0.5144f / sqrtf(Lwl * g);
  }

  // Model: fresh water at the test temperature.
  float PVm = 0, NUm = 0, RHOm = 0;
  WATER_PROPERTIES(con, 1, ModelWaterTemp, PVm, NUm, RHOm);

  for (int i = 0; i < n; ++i) {
    Vm[i] = sqrtf(Lwl * g / lambda) * Fn[i];
    Rnm[i] = Vm[i] * Lwl / lambda / NUm;
    const float lg = log10f(Rnm[i]) - 2.0f;
    Cfm[i] = 0.075f / (lg * lg);
    Cvm[i] = Cfm[i] * K1;
    Ctm[i] = CRArr[i] + Cvm[i];
    Rtm[i] = Vm[i] * Vm[i] * Ctm[i] * (S / (lambda * lambda)) * RHOm * 0.5f;
  }
  for (int i = 0; i < n; ++i) {
    RtmKg[i] = Rtm[i] / g;
  }

  // Model speeds at the listed resistances strictly inside the computed range.
  int K = 0;
  std::array<float, WORK_CAPACITY> RM{}, VM{};
  if (n >= 1) {
    for (float R : MODEL_RESISTANCE_LIST) {
      if (RtmKg[0] < R && R < RtmKg[n - 1]) {
        RM[K] = R;
        TABLE_INTERPOLATION_OR_STOP(n, RtmKg.data(), Vm.data(), R, VM[K], WORK_CAPACITY, 3);
        ++K;
      }
    }
  }

  // Block 1: model values at each speed.
  WRITE_FORMATTED(file, "(//20X,'MODELE AIT DEGERLER  ')");
  WRITE_FORMATTED(file, "(1X,70('-'))");
  WRITE_FORMATTED(file,
                  "(' No   Vs    Vm      Fn      Rn     Cfm     Cvm     Cwm     Ctm     Rtm  ' )");
  WRITE_FORMATTED(file,
                  "('     (kn) (m/s)          (*1E7)                                    (kg) ' )");
  WRITE_FORMATTED(file, "(1X,70('-'))");
  for (int i = 0; i < n; ++i) {
    WRITE_FORMATTED(file, "(1X,I2,1X,F5.2,1X,F5.2,1X,5(F7.3,1X),2(F7.3,1X),F6.1)", i + 1, Vs[i],
                    Vm[i], Fn[i], Rnm[i] / 1.0E7f, Cfm[i] * 1000.0f, Cvm[i] * 1000.0f,
                    CRArr[i] * 1000.0f, Ctm[i] * 1000.0f, RtmKg[i]);
  }
  WRITE_FORMATTED(file, "(1X,70('-'))");

  // Block 2: measurement values.
  WRITE_FORMATTED(file, "(//10X,'OLCUM DEGERLERI ')");
  WRITE_FORMATTED(file, "(1X,43('-'))");
  WRITE_FORMATTED(file, "(' No    Vm      Rtm     Ctm        Fn      Vs' )");
  WRITE_FORMATTED(file, "('     (m/s)    (kg)   *1000             (knot)' )");
  WRITE_FORMATTED(file, "(1X,43('-'))");
  for (int k = 0; k < K; ++k) {
    const float FnK = VM[k] / sqrtf(Lwl * g / lambda);
    const float VsK = sqrtf(Lwl * g) * FnK / 0.5144f;
    const float CtmK = RM[k] * g / (VM[k] * VM[k] * (S / (lambda * lambda)) * RHOm * 0.5f);
    WRITE_FORMATTED(file, "(1X,I2,2X,F5.3,2X,F6.2,2X,F7.3,4X,'(',F5.3,2X,F5.2,')')", k + 1, VM[k],
                    RM[k], CtmK * 1000.0f, FnK, VsK);
  }
  WRITE_FORMATTED(file, "(1X,43('-'))");

  // Block 3: inputs and water properties, ship first, model second.
  WRITE_FORMATTED(file, "(//10X,'GIRIS ve HESAP BILGILERI  ')");
  WRITE_FORMATTED(file, BLOCK3, lambda, K1, Lwl, Lwl / lambda, S, S / (lambda * lambda), 15.0f,
                  ModelWaterTemp, RHOs, RHOm, NUs * 1.0E6f, NUm * 1.0E6f);
}

}  // namespace vdk
