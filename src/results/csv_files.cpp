#include <string>

#include "format/text_fields.hpp"
#include "results/result_files.hpp"
#include "results/result_tables.hpp"

namespace vdk {

// One CSV file per table, named after the table: a header row with the
// units, then its rows (RFC 4180: comma separators, CRLF line ends, quoted
// fields where needed). The folder is made when it is missing.
bool WRITE_CSV_FILES(const std::vector<ResultTable>& tables, const std::filesystem::path& dir,
                     std::ostream& err) {
  std::string error;
  if (!MAKE_OUTPUT_FOLDER(dir, error)) {
    err << "vardelonteksa: " << error << '\n';
    return false;
  }
  bool ok = true;
  for (const ResultTable& t : tables) {
    std::string text;
    auto line = [&text](const std::vector<std::string>& row) {
      std::vector<std::string> fields;
      fields.reserve(row.size());
      for (const std::string& f : row) fields.push_back(CSV_FIELD(f));
      text += CSV_LINE(fields);
    };
    line(t.headers);
    for (const auto& row : t.rows) line(row);
    const std::filesystem::path file = dir / (t.name + ".csv");
    std::string error;
    if (!WRITE_FILE_ATOMICALLY(file, text, error)) {
      err << "vardelonteksa: " << error << '\n';
      ok = false;
    }
  }
  return ok;
}

}  // namespace vdk
