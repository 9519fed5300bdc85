#include "app/ship_commands.hpp"

#include <fstream>
#include <string>

#include "core/stop.hpp"
#include "input/ship_files.hpp"
#include "report/console.hpp"

namespace vdk {

namespace {

// Writes a whole text file; false (and nothing said) when it cannot be written.
bool WRITE_TEXT(const std::filesystem::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << text;
  f.close();
  return static_cast<bool>(f);
}

// An existing file is kept unless the command is told to overwrite it.
bool MAY_WRITE(const std::filesystem::path& path, bool force, std::ostream& err) {
  std::error_code ec;
  if (force || !std::filesystem::exists(path, ec)) return true;
  err << "vardelonteksa: error: " << path.string() << " exists; give --force to overwrite it\n";
  return false;
}

}  // namespace

int INIT_PROGRAM(const std::filesystem::path& file, bool force, std::ostream& err) {
  if (!MAY_WRITE(file, force, err)) return EXIT_BAD_INPUT;
  if (!WRITE_TEXT(file, SHIP_TEMPLATE())) {
    err << "vardelonteksa: error: " << file.string() << ": cannot be written\n";
    return EXIT_BAD_INPUT;
  }
  err << "vardelonteksa: wrote " << file.string()
      << " (the example ship); put your own values in and run\n  vardelonteksa --data "
      << file.string() << " --etad auto --blades 4 --batch\n";
  return EXIT_RUN_END;
}

int CONVERT_PROGRAM(const std::filesystem::path& in, const std::filesystem::path& out, bool force,
                    std::ostream& out_stream, std::ostream& err) {
  if (!MAY_WRITE(out, force, err)) return EXIT_BAD_INPUT;
  const Conversion c = CONVERT_SHIP(in, out);
  if (c.read.stop) {
    for (const std::string& line : c.read.message_lines) out_stream << line << '\n';
    err << "vardelonteksa: error: " << c.read.english << '\n';
    WRITE_STOP_LINE(out_stream);
    return c.read.stop->status;
  }
  if (!WRITE_TEXT(out, c.text)) {
    err << "vardelonteksa: error: " << out.string() << ": cannot be written\n";
    return EXIT_BAD_INPUT;
  }
  err << "vardelonteksa: wrote " << out.string() << '\n';
  return EXIT_RUN_END;
}

}  // namespace vdk
