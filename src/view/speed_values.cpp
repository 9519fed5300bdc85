#include "view/speed_values.hpp"

#include <stdexcept>
#include <string>

namespace vdk {

namespace {

#define VDK_COL(key, expr)                                               \
  PerSpeedValue {                                                        \
    key, [](const SpeedView& s) -> std::optional<float> { return expr; } \
  }

const PerSpeedValue kPerSpeed[] = {
    VDK_COL("Vs", s.Vs),
    VDK_COL("v", s.v),
    VDK_COL("Fn", s.Fn),
    VDK_COL("Rn", s.Rn),
    VDK_COL("CF", s.CF),
    VDK_COL("CV", s.CV),
    VDK_COL("1+k", s.OnePlusK),
    VDK_COL("S", s.S),
    VDK_COL("RF", s.RF),
    VDK_COL("RAPP", s.RAPP),
    VDK_COL("RAIR", s.RAIR),
    VDK_COL("RW", s.RW),
    VDK_COL("RB", s.RB),
    VDK_COL("RTR", s.RTR),
    VDK_COL("RBT", s.RBT),
    VDK_COL("CA", s.CA),
    VDK_COL("RA", s.RA),
    VDK_COL("RV", s.RV),
    VDK_COL("RT", s.RT),
    VDK_COL("CT", s.CT),
    VDK_COL("CR", s.CR),
    VDK_COL("CW", s.CW),
    VDK_COL("correction_factor", s.correction_factor),
    VDK_COL("CR_corrected", s.CR_corrected),
    VDK_COL("CT_corrected", s.CT_corrected),
    VDK_COL("RT_corrected", s.RT_corrected),
    VDK_COL("PE", s.PE),
    VDK_COL("PE_corrected", s.PE_corrected),
    VDK_COL("PE_trial", s.PE_trial),
    VDK_COL("w", s.w),
    VDK_COL("t", s.t),
    VDK_COL("etaR", s.etaR),
};

// The minimum-service table's values at each speed.
const PerSpeedValue kService[] = {
    VDK_COL("PB", s.PB_service),     VDK_COL("N", s.N_service),
    VDK_COL("etaH", s.etaH_service), VDK_COL("eta0", s.eta0_service),
    VDK_COL("etad", s.etad_service),
};

#undef VDK_COL

}  // namespace

std::span<const PerSpeedValue> PER_SPEED_VALUES() {
  return kPerSpeed;
}

const PerSpeedValue& SPEED_VALUE(std::string_view key) {
  for (std::span<const PerSpeedValue> table :
       {std::span<const PerSpeedValue>(kPerSpeed), std::span<const PerSpeedValue>(kService)})
    for (const PerSpeedValue& c : table)
      if (c.key == key) return c;
  throw std::logic_error("no per-speed value has the key " + std::string(key));
}

}  // namespace vdk
