// Report sections of the resistance calculation: the input summary with the
// output heading, the speed blocks, the summary tables and the
// wave-resistance correction. The values echoed from the data file come from
// the ship record, everything computed from the result records.
#pragma once

#include <ostream>

#include "input/ship_record.hpp"
#include "report/lang.hpp"
#include "resistance/resistance_result.hpp"

namespace vdk {

// Results file: input summary (particulars, speeds, appendages, fluid,
// propeller block) and the output heading; a published method is named.
void WRITE_INPUT_SUMMARY(std::ostream& son, const ShipRecord& ship, const InputSummary& summary,
                         Method method = Method::Classic, Lang l = Lang::Tr);

// One speed block on the results file, as far as the block got. A stopped
// block ends with its stop message: the prismatic-coefficient message on the
// console and then on the results file, the emerged-bulb message on the
// console only. The pause and stop line are not written here.
void WRITE_SPEED_BLOCK(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                       const SpeedBlock& block, Method method = Method::Classic, Lang l = Lang::Tr);

// Input summary and every speed block of the result.
void WRITE_RESISTANCE_CALCULATION(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                                  const ResistanceResult& res, Lang l = Lang::Tr);

// Summary table I with its legend.
void WRITE_SUMMARY_TABLE_I(std::ostream& son, const ShipRecord& ship,
                           const ResistanceColumns& columns, Lang l = Lang::Tr);

// Table of resistance characteristics: the uncorrected one, or the one after
// the wave-resistance correction (columns with CR, CT, RT and PE corrected).
void WRITE_CHARACTERISTICS_TABLE(std::ostream& son, const ShipRecord& ship,
                                 const ResistanceColumns& columns, bool corrected,
                                 Lang l = Lang::Tr);

// Results file: summary table I, the uncorrected characteristics table, then
// the corrected table or the note that no correction was made (nothing more
// when the correction stopped).
void WRITE_RESISTANCE_TABLES(std::ostream& son, const ShipRecord& ship, const ResistanceResult& res,
                             const ResistanceTables& tables, Lang l = Lang::Tr);

}  // namespace vdk
