#include <string>
#include <system_error>

#include "app/result_files.hpp"
#include "format/text_fields.hpp"
#include "report/result_tables.hpp"

namespace vdk {

// One CSV file per table, named after the table: a header row with the
// units, then its rows (RFC 4180: comma separators, CRLF line ends, quoted
// fields where needed). The folder is made when it is missing.
bool WRITE_CSV_FILES(const RunDocument& doc, const std::filesystem::path& dir, std::ostream& err) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec || !std::filesystem::is_directory(dir, ec)) {
    err << "vardelonteksa: cannot make the CSV folder " << dir.string()
        << (ec ? ": " + ec.message() : std::string()) << '\n';
    return false;
  }
  bool ok = true;
  for (const ResultTable& t : RESULT_TABLES(doc)) {
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
      err << "vardelonteksa: cannot write the CSV file " << file.string() << ": " << error << '\n';
      ok = false;
    }
  }
  return ok;
}

}  // namespace vdk
