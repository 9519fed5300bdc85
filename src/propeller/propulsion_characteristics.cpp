// Open-water characteristics of the settled propeller and its propulsion
// characteristics at every speed of the speed list (minimum service).
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/stop.hpp"
#include "propeller/propeller_routines.hpp"
#include "format/format.hpp"
#include "core/table_interpolation.hpp"

namespace vdk {

namespace {

constexpr int NGRID = 41;
constexpr int NLIST = 50;  // capacity of the J list and the per-speed lists

// Advance-ratio grid of the open-water table, 0.2 to 1.2 in steps of 0.025.
constexpr float JGRID[NGRID] = {
    0.2f,   0.225f, 0.25f,  0.275f, 0.3f,   0.325f, 0.35f,  0.375f, 0.4f,   0.425f, 0.45f,
    0.475f, 0.5f,   0.525f, 0.55f,  0.575f, 0.6f,   0.625f, 0.65f,  0.675f, 0.7f,   0.725f,
    0.75f,  0.775f, 0.8f,   0.825f, 0.85f,  0.875f, 0.9f,   0.925f, 0.95f,  0.975f, 1.0f,
    1.025f, 1.05f,  1.075f, 1.1f,   1.125f, 1.15f,  1.175f, 1.2f};

constexpr const char* FRAME = "(7X,'|',57('-'),'|')";
constexpr const char* RULE_LEFT = "|--------|--------|";
constexpr const char* RULE_RIGHT = "------|------|------|------|------|------|--------|-------|";
constexpr const char* HEAD_LEFT = "|  Vs    |   PE   |";
constexpr const char* HEAD_RIGHT = " ThDF |  WFT | ETAH | ETAR | ETA0 | ETAD |   PB   |  RPM  |";

// The open-water points of the table.
struct OpenWaterTable {
  int NJ = 0;
  float J[NLIST + 1] = {};
  float KT[NLIST + 1] = {};
  float KQ[NLIST + 1] = {};
  float ETA0[NLIST + 1] = {};
};

void OPEN_WATER_PASS(std::ostream& unit, int SERIES, float JD, float Z, float EAR, float PDEL,
                     float TH, float N, float VD, float KTD, float KQD, float D, float WD,
                     float TD) {
  if (SERIES == 1) {
    WRITE_FORMATTED(unit,
                    "(                                                       "
                    "2/10X,'WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI')");
  }
  if (SERIES == 2) {
    WRITE_FORMATTED(unit,
                    "(                                                       "
                    "2/14X,'GAWN SERISI PERVANE ACIK SU KARAKTERISTIKLERI')");
  }
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, "(7X,'| CAP - D (m)         =  ',F8.2,3X,'|',3X,'J      =  ',F6.4,'  |')",
                  D, JD);
  WRITE_FORMATTED(unit, "(7X,'| ITME - TH   (kN)    =  ',F8.2,3X,'|',3X,'KT     =  ',F6.4,'  |')",
                  TH, KTD);
  WRITE_FORMATTED(unit, "(7X,'| GUC - PD    (kW)    =  ',F8.2,3X,'|',3X,'10KQ   =  ',F6.4,'  |')",
                  PDEL, 10.0f * KQD);
  WRITE_FORMATTED(unit, "(7X,'| RPM                 =  ',F8.2,3X,'|',3X,'T      =  ',F6.4,'  |')",
                  N, TD);
  WRITE_FORMATTED(unit, "(7X,'| GEMI HIZI-VS(KNOT)  =  ',F8.2,3X,'|',3X,'WT     =  ',F6.4,'  |')",
                  VD, WD);
  WRITE_FORMATTED(unit, "(7X,'| KANAT SAYISI (Z)    =  ',F6.0,5X,'|',3X,'Ae     =  ',F6.4,'  |')",
                  Z, EAR);
  WRITE_FORMATTED(unit, FRAME);
}

void OPEN_WATER_ROWS(std::ostream& unit, const OpenWaterTable& tab) {
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, "(7X,'|  No',4X,'J',7X,'KT',5X,'10KQ',4X,'ETA0',8X,'Bp',6X,'Delta |')");
  WRITE_FORMATTED(unit, FRAME);
  for (int k = 1; k <= tab.NJ; ++k) {
    const float J = tab.J[k];
    const float J5 = J * J * J * J * J;
    const float Bp = 33.06746f * powf(tab.KQ[k] / J5, 0.5f);
    const float delta = 101.2658f / J;
    WRITE_FORMATTED(unit, "(7X,'| ',I2,3X,4(F5.3,3X),F8.2,2X,F8.2,' |')", k, J, tab.KT[k],
                    10.0f * tab.KQ[k], tab.ETA0[k], Bp, delta);
  }
  WRITE_FORMATTED(unit, FRAME);
}

// Number of different advance ratios in the sorted J list.
int DISTINCT_POINTS(const OpenWaterTable& tab) {
  int count = tab.NJ > 0 ? 1 : 0;
  for (int k = 2; k <= tab.NJ; ++k) {
    if (tab.J[k] != tab.J[k - 1]) ++count;
  }
  return count;
}

// NPROP times the rounded power of one propeller; a product no integer field
// could hold comes back as the too-large value of NEAREST_INTEGER.
long long TIMES_PROPELLERS(int NPROP, long long one) {
  constexpr long long TOO_LARGE = 1000000000000000LL;
  if (one >= TOO_LARGE || one <= -TOO_LARGE) return TOO_LARGE;
  const long long n = NPROP;
  if (n != 0 && std::llabs(one) > TOO_LARGE / std::llabs(n)) return TOO_LARGE;
  return n * one;
}

struct ServiceInput {
  int NV;
  const float* VS;
  const float* PE;
  const float* WFT;
  const float* ThDF;
  const float* ETAR;
  float D, ETATR, RHO;
  int NPROP;
};

void SERVICE_PASS(std::ostream& unit, const OpenWaterTable& tab, const ServiceInput& s) {
  const std::string rule = std::string(RULE_LEFT) + RULE_RIGHT;
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit, "    SEVK KARAKTERISTIKLERI - MINIMUM SERVIS");
  WRITE_LIST(unit, rule);
  WRITE_LIST(unit, std::string(HEAD_LEFT) + HEAD_RIGHT);
  WRITE_LIST(unit, rule);

  if (DISTINCT_POINTS(tab) < 2) {
    // One open-water point defines no curve to read the service points from.
    WRITE_FORMATTED(unit, "(' ACIK SU TABLOSU YETERSIZ - SERVIS TABLOSU HESAPLANAMADI')");
    WRITE_LIST(unit, rule);
    return;
  }

  const int NJ = tab.NJ;
  float rpm[NLIST + 1] = {};
  float thrust[NLIST + 1] = {};
  for (int i = 0; i < s.NV; ++i) {
    // The wake, thrust deduction and rotative efficiency of this speed.
    const float w = s.WFT[i];
    const float t = s.ThDF[i];
    const float ETARi = s.ETAR[i];

    const float V = s.VS[i] * 0.5144f;
    const float D4 = s.D * s.D * s.D * s.D;
    // Rpm rising: the J list from its last point to its first.
    for (int m = 1; m <= NJ; ++m) {
      const float J = tab.J[NJ + 1 - m];
      rpm[m] = (1.0f - w) * V / (J * s.D) * 60.0f;
      const float rps = rpm[m] / 60.0f;
      thrust[m] = tab.KT[NJ + 1 - m] * s.RHO / 1000.0f * (rps * rps) * D4;
    }
    const float Treq = s.PE[i] / static_cast<float>(s.NPROP) / V / (1.0f - t);
    float RPMi = 0;
    TABLE_INTERPOLATION_OR_STOP(NJ, thrust + 1, rpm + 1, Treq, RPMi, NLIST, 3);
    const float Ji = (1.0f - w) * V / ((RPMi / 60.0f) * s.D);
    float KTi = 0;
    float KQi = 0;
    TABLE_INTERPOLATION_OR_STOP(NJ, tab.J + 1, tab.KT + 1, Ji, KTi, NLIST, 3);
    TABLE_INTERPOLATION_OR_STOP(NJ, tab.J + 1, tab.KQ + 1, Ji, KQi, NLIST, 3);
    const float ETA0i = (KTi / KQi) * Ji / 6.2831855f;

    const float ETAH = (1.0f - t) / (1.0f - w);
    const float ETAD = ETAH * ETARi * ETA0i;
    const float P = s.PE[i] / static_cast<float>(s.NPROP) / ETAD;
    const long long PB = TIMES_PROPELLERS(s.NPROP, NEAREST_INTEGER(P / s.ETATR));
    WRITE_FORMATTED(unit,
                    "(' |',F7.3,' |',I7,' |',F5.3,' |',F5.3,' |',F5.3,' |',F5.3,"
                    "' |',F5.3,' |',F5.3,' |',I7,' |',F6.1,' |')",
                    s.VS[i], NEAREST_INTEGER(s.PE[i]), t, w, ETAH, ETARi, ETA0i, ETAD, PB, RPMi);
  }
  WRITE_LIST(unit, rule);
}

void LEGEND(std::ostream& son, float ETATR, int IPOD) {
  WRITE_FORMATTED(son, "(/8X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'Vs  : Gemi Hizi - knot')");
  WRITE_FORMATTED(son, "(3X,'PE  : Efektif guc degeri - kW')");
  WRITE_FORMATTED(son, "(3X,'ThDF: Itme azalmasi katsayisi')");
  WRITE_FORMATTED(son, "(3X,'WFT : Efektif iz katsayisi')");
  WRITE_FORMATTED(son, "(3X,'ETAR: Pervane rolatif donme verimi')");
  WRITE_FORMATTED(son, "(3X,'ETA0: Pervane acik su verimi')");
  WRITE_FORMATTED(son, "(3X,'ETAD: Genel sevk verimi - (1-ThDF)/(1-WFT)*ETA0*ETAR')");
  WRITE_FORMATTED(son, "(3X,'PB  : Minimum makina gucu - kW')");
  WRITE_FORMATTED(son, "(3X,'RPM : Pervane devir sayisi - devir/dakika')");
  WRITE_FORMATTED(
      son, "(3X,' Not: Transmisyon verimi Etatr = ',F6.3,'; PB - Makina gucune dahildir')", ETATR);
  if (IPOD == 1) {
    WRITE_FORMATTED(son,
                    "(3X,' Not: Sevk Katsayilarinda POD lu pervane duzeltmes i yapilmistir.')");
    WRITE_FORMATTED(son, "(3X,' Kaynak: A Parametric power prediction model for t ractor pods.')");
    WRITE_FORMATTED(son, "(3X,' Yazarlar: kaynak raporun yazarlari (uc yazarli calisma)')");
    WRITE_FORMATTED(son, "(3X,' Delft University of Technology')");
    WRITE_FORMATTED(son, "(3X,' Ship Hydromechanics Lab. Report No: 1545-P, 2006 ')");
  }
}

}  // namespace

// A value no integer field can hold (overflow, infinity, NaN) comes back
// larger than any field, so the report shows asterisks in its place.
long long NEAREST_INTEGER(float x) {
  if (!std::isfinite(x) || std::fabs(x) >= 1.0e15f) return 1000000000000000LL;
  return std::llround(x);
}

void SORT_ASCENDING(int N, float* A) {
  for (int p = 0; p < N - 1; ++p) {
    int smallest = p;
    for (int q = p + 1; q < N; ++q) {
      if (A[q] < A[smallest]) smallest = q;
    }
    if (smallest != p) {
      const float keep = A[p];
      A[p] = A[smallest];
      A[smallest] = keep;
    }
  }
}

void PROPULSION_CHARACTERISTICS_II(PropellerContext& ctx, std::istream& in, float JD, float PD,
                                   float EAR, float& Z, float PDEL, float TH, float N, float VD,
                                   float KTD, float KQD, int NV, const float* VS, const float* PE,
                                   float D, float ETATR, float RHO, float WD, float TD, int NPROP,
                                   int IPOD, const float* WFT, const float* ThDF,
                                   const float* ETAR) {
  OpenWaterState& ow = ctx.ow;
  OpenWaterTable tab;

  // J list: the grid up to the first negative thrust coefficient, then the design J.
  for (int k = 0; k < NGRID; ++k) {
    ow.J = JGRID[k];
    SERIES_KTKQ(ow, ctx.set, PD, EAR, Z);
    if (ow.KT < 0.0f) break;
    tab.J[++tab.NJ] = JGRID[k];
  }
  tab.J[++tab.NJ] = JD;
  SORT_ASCENDING(tab.NJ, tab.J + 1);

  // Every point with the blade-drag correction of this propeller at this rpm.
  for (int k = 1; k <= tab.NJ; ++k) {
    ow.ReVa = tab.J[k] * (N / 60.0f) * D;
    ow.ReN = N;
    ow.ReD = D;
    ow.J = tab.J[k];
    SERIES_KTKQ(ow, ctx.set, PD, EAR, Z);
    tab.KT[k] = ow.KT;
    tab.KQ[k] = ow.KQ;
    tab.ETA0[k] = ow.ETA0;
  }

  const int SERIES = ctx.set.SERIES;
  OPEN_WATER_PASS(ctx.con, SERIES, JD, Z, EAR, PDEL, TH, N, VD, KTD, KQD, D, WD, TD);
  PAUSE(in, ctx.con, "DEVAM ICIN 'ENTER' TUSUNA BASIN");
  OPEN_WATER_ROWS(ctx.con, tab);
  OPEN_WATER_PASS(ctx.son, SERIES, JD, Z, EAR, PDEL, TH, N, VD, KTD, KQD, D, WD, TD);
  OPEN_WATER_ROWS(ctx.son, tab);

  // The service table is built around the design speed.
  bool found = false;
  for (int i = 0; i < NV && !found; ++i) found = std::fabs(VS[i] - VD) < 0.01f;
  if (!found) {
    WRITE_LIST(ctx.con, "SUB PROPULSION_CHARACTERISTICS_II 'DE");
    WRITE_LIST(ctx.con, " DIZAYN HIZI BULUNAMADI - STOP");
    STOP(EXIT_BAD_INPUT);
  }

  const ServiceInput s{NV, VS, PE, WFT, ThDF, ETAR, D, ETATR, RHO, NPROP};
  SERVICE_PASS(ctx.con, tab, s);
  SERVICE_PASS(ctx.son, tab, s);
  LEGEND(ctx.son, ETATR, IPOD);
}

}  // namespace vdk
