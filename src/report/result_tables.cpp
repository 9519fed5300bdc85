#include "report/result_tables.hpp"

namespace vdk {

std::vector<ResultTable> RESULT_TABLES(const RunDocument&) {
  return {};
}

}  // namespace vdk
