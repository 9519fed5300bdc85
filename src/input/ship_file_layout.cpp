#include "input/ship_file_layout.hpp"

#include <array>
#include <string>

namespace vdk {

namespace {

using R = ShipRecord;

constexpr ShipField real(std::string_view symbol, float R::*member = nullptr) {
  return ShipField{symbol, FieldKind::Real, member, nullptr};
}
constexpr ShipField integer(std::string_view symbol, int R::*member = nullptr) {
  return ShipField{symbol, FieldKind::Int, nullptr, member};
}

constexpr ShipField kDensityGravity[] = {real("RHO", &R::RHO), real("GRAV", &R::GRAV)};
constexpr ShipField kLwl[] = {real("Lwl", &R::Lwl)};
constexpr ShipField kLbp[] = {real("Lbp", &R::Lbp)};
constexpr ShipField kB[] = {real("B", &R::B)};
constexpr ShipField kDraughts[] = {real("Tf", &R::Tf), real("Ta", &R::Ta)};
constexpr ShipField kV[] = {real("V", &R::V)};
constexpr ShipField kLCB[] = {real("LCB", &R::LCB)};
constexpr ShipField kABT[] = {real("ABT", &R::ABT)};
constexpr ShipField kHB[] = {real("HB", &R::HB)};
constexpr ShipField kAT[] = {real("AT", &R::AT)};
constexpr ShipField kCoefficients[] = {real("Cm", &R::Cm), real("Cwp", &R::Cwp)};
constexpr ShipField kCstern[] = {real("Cstern", &R::Cstern)};
constexpr ShipField kIE[] = {real("IE", &R::IE)};
constexpr ShipField kS[] = {real("S", &R::S)};
constexpr ShipField kModel[] = {real("ModelScale", &R::ModelScale),
                                real("ModelWaterTemp", &R::ModelWaterTemp)};
constexpr ShipField kWind[] = {real("DepthFP", &R::DepthFP), real("ONYUZ", &R::ONYUZ)};
constexpr ShipField kSpeeds[] = {integer("NSPEED", &R::NSPEED), real("Vs")};
constexpr ShipField kVtrial[] = {real("Vtrial", &R::Vtrial)};
constexpr ShipField kAppendage[] = {real("Sapp"), real("(1+k2)")};
constexpr ShipField kThrusters[] = {integer("NBT", &R::NBT), real("DBT", &R::DBT)};
constexpr ShipField kD[] = {real("D", &R::D)};
constexpr ShipField kN[] = {real("N", &R::N)};
constexpr ShipField kPD[] = {real("PD", &R::PD)};
constexpr ShipField kShaft[] = {real("Hsd")};
constexpr ShipField kCP[] = {real("CPPropeller", &R::CPPropeller)};
constexpr ShipField kPropellers[] = {integer("NPROP", &R::NPROP), integer("SERIES", &R::SERIES),
                                     integer("IPOD", &R::IPOD)};
constexpr ShipField kMCR[] = {real("MCR", &R::MCR)};
constexpr ShipField kSeaMargin[] = {real("SeaMargin", &R::SeaMargin)};
constexpr ShipField kEtas[] = {real("etas", &R::etas)};
constexpr ShipField kFactors[] = {real("FFDF", &R::FFDF), real("CFw", &R::CFw),
                                  real("CFt", &R::CFt), real("CFetaR", &R::CFetaR)};
constexpr ShipField kRoughness[] = {real("Roughness", &R::Roughness)};
constexpr ShipField kCorrections[] = {integer("NCORR", &R::NCORR), real("Fcorr")};

using G = GroupShape;

constexpr ShipFileGroup values(int number, int comments, std::span<const ShipField> fields,
                               std::string_view echo, GroupRule rule = GroupRule::None) {
  return ShipFileGroup{number, comments, G::Values, fields, echo, {}, rule, 0};
}
constexpr ShipFileGroup appendage(int kind) {
  return ShipFileGroup{19 + kind, 1,  G::Appendage,    kAppendage,
                       "(2F8.3)", {}, GroupRule::None, kind};
}

constexpr ShipFileGroup kGroups[] = {
    values(1, 13, kDensityGravity, "(F7.2,2X,F7.4)"),
    values(2, 1, kLwl, "(F8.3)"),
    values(3, 1, kLbp, "(F8.3)"),
    values(4, 1, kB, "(F8.3)"),
    values(5, 1, kDraughts, "(2F8.3)"),
    values(6, 1, kV, "(F10.3)"),
    values(7, 1, kLCB, "(F8.3)"),
    values(8, 1, kABT, "(F8.3)"),
    values(9, 1, kHB, "(F8.3)"),
    values(10, 1, kAT, "(F8.3)"),
    values(11, 1, kCoefficients, "(2F8.3)"),
    values(12, 6, kCstern, "(F8.3)"),
    values(13, 1, kIE, "(F8.3)"),
    values(14, 1, kS, "(F8.3)"),
    values(15, 3, kModel, "(2F8.3)"),
    values(16, 3, kWind, "(2F8.3)"),
    {17, 1, G::SpeedList, kSpeeds, "(I3,50F8.3)", {}, GroupRule::None, 0},
    values(18, 1, kVtrial, "(F8.3)", GroupRule::TrialSpeedWithinSpeeds),
    {19, 3, G::Heading, {}, {}, {}, GroupRule::None, 0},
    appendage(1),
    appendage(2),
    appendage(3),
    appendage(4),
    appendage(5),
    appendage(6),
    appendage(7),
    appendage(8),
    appendage(9),
    appendage(10),
    appendage(11),
    values(31, 3, kThrusters, "(I4,2X,F8.3)"),
    values(32, 8, kD, "(F8.3)"),
    values(33, 1, kN, "(F8.3)"),
    values(34, 1, kPD, "(F8.3)"),
    {35, 2, G::ShaftHeight, kShaft, "(F8.3)", {}, GroupRule::None, 0},
    values(36, 2, kCP, "(F8.3)"),
    values(37, 4, kPropellers, "(3I4)"),
    values(38, 1, kMCR, "(F8.3)"),
    values(39, 1, kSeaMargin, "(F8.3)"),
    values(40, 1, kEtas, "(F8.3)"),
    values(41, 6, kFactors, "(4F8.3)"),
    values(42, 3, kRoughness, "(F8.1,' Micron')"),
    {43, 8, G::Corrections, kCorrections, "(I4,1X,F8.3)", " Dalga Direnc Duzeltme Faktorleri",
     GroupRule::None, 0},
};

static_assert(std::size(kGroups) == 43);

constexpr AppendageKind kAppendageKinds[NUM_APPENDAGES] = {
    {"SKEG ARKASINDAKI DUMEN", 1.75f},
    {"TEK PERVANELI GEMI DUMENI", 1.4f},
    {"CIFT PERVANELI GEMI DUMENI", 2.8f},
    {"SAFT BRAKETLERI", 3.0f},
    {"SKEG", 1.75f},
    {"STRUT BOSALARI", 3.0f},
    {"BOSALAR", 2.0f},
    {"SAFTLAR", 3.0f},
    {"STABILIZER FINLERI", 2.8f},
    {"SONAR DOMU", 2.7f},
    {"YALPA OMURGASI", 1.4f},
};

}  // namespace

std::span<const ShipFileGroup> SHIP_FILE_GROUPS() {
  return kGroups;
}

std::span<const AppendageKind> APPENDAGE_KINDS() {
  return kAppendageKinds;
}

float* SHIP_SCALAR(ShipRecord& ship, std::string_view symbol) {
  for (const ShipFileGroup& g : kGroups) {
    if (g.shape == G::ShaftHeight && g.fields[0].symbol == symbol) return &ship.ShaftHeight;
    for (const ShipField& f : g.fields)
      if (f.real != nullptr && f.symbol == symbol) return &(ship.*f.real);
  }
  return nullptr;
}

const std::vector<std::string_view>& SHIP_SCALAR_SYMBOLS() {
  static const std::vector<std::string_view> symbols = [] {
    std::vector<std::string_view> list;
    for (const ShipFileGroup& g : kGroups) {
      if (g.shape == G::ShaftHeight) list.push_back(g.fields[0].symbol);
      for (const ShipField& f : g.fields)
        if (f.real != nullptr) list.push_back(f.symbol);
    }
    return list;
  }();
  return symbols;
}

}  // namespace vdk
