// The speed loop of the resistance calculation.
#include "resistance/resistance.hpp"

namespace vdk {

SpeedBlock COMPUTE_SPEED_BLOCK(const ShipRecord& ship, const InputSummary& summary, int i,
                               CarriedSurfaces carried, Method method) {
  SpeedBlock b;
  b.i = i;
  b.carried_out = carried;

  b.hull_form = COMPUTE_HULL_FORM(ship, summary, i, carried.S, method);
  if (b.hull_form.prismatic_stop) {
    b.end = BlockEnd::PrismaticStop;
    b.stop = STOP_OF("E201", true, "  BITIRMEK ICIN `ENTER`TUSUNA BASIN ");
    return b;
  }
  const float S = b.hull_form.S_used;
  b.carried_out.S = S;

  b.friction = COMPUTE_FRICTION(ship, summary, b.hull_form, S);

  b.wave = COMPUTE_WAVE(ship, summary, b.hull_form, S, carried.IE, method);
  b.carried_out.IE = b.wave.IE_used;
  if (b.wave.bulb_emerged) {
    b.end = BlockEnd::BulbStop;
    b.stop = STOP_OF("E202", true);
    return b;
  }

  b.totals = COMPUTE_CORRELATION(ship, b.hull_form, b.friction, b.wave, S, method, summary.Sapptot);
  return b;
}

ResistanceResult COMPUTE_RESISTANCE(const ShipRecord& ship, Method method) {
  ResistanceResult res;
  res.method = method;
  res.summary = COMPUTE_INPUT_SUMMARY(ship);
  CarriedSurfaces carried{ship.S, ship.IE};
  ResistanceColumns& c = res.columns;
  for (int i = 1; i <= ship.NSPEED; ++i) {
    SpeedBlock b = COMPUTE_SPEED_BLOCK(ship, res.summary, i, carried, method);
    carried = b.carried_out;
    res.hull = b.hull_form.hull;
    if (b.end != BlockEnd::PrismaticStop) {
      const HullFormAtSpeed& hf = b.hull_form;
      res.OnePlusK = hf.OnePlusK;
      res.OnePlusKGrigson = hf.OnePlusKGrigson;
      c.Fn(i) = hf.Fn;
      c.Rn(i) = b.friction.Rn;
      c.CF(i) = b.friction.CF;
      c.CV(i) = b.friction.CV;
    }
    if (b.end == BlockEnd::Complete) {
      const CorrelationAndTotals& t = b.totals;
      c.CA(i) = t.CA;
      c.CT(i) = t.CT;
      c.CR(i) = t.CR;
      c.RT(i) = t.RT;
      c.RW(i) = b.wave.Rw;
      c.RV(i) = t.RV;
      c.RAPP(i) = b.friction.RAPP;
      c.RA(i) = t.RA;
      c.PE(i) = t.PE;
      c.RF(i) = b.friction.RF;
      c.RTR(i) = b.wave.Rayna;
      c.RB(i) = b.wave.Rbulb;
      c.RBT(i) = b.wave.Rbot;
      c.RAIR(i) = b.friction.RAIR;
    }
    res.stop = b.stop;
    res.blocks.push_back(std::move(b));
    if (res.stop) break;
  }
  res.S_used = carried.S;
  res.IE_used = carried.IE;
  return res;
}

}  // namespace vdk
