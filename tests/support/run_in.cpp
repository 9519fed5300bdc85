#include <sstream>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

RunOutcome run_in(const TempDir& dir, std::string_view data_text, std::string_view answers) {
  write_file(dir.path / "VARDELONTEKSA.TSK", data_text);
  std::istringstream in{std::string(answers)};
  std::ostringstream out;
  RunOutcome r;
  r.status = RUN_VARDELONTEKSA(dir.path, in, out);
  r.console = out.str();
  r.results = read_file(dir.path / "VARDELONTEKSA.SON");
  r.echo = read_file(dir.path / "VARDELONTEKSA.CRL");
  return r;
}

CaseOutcome run_case(const TempDir& dir, const std::string& name,
                     const std::vector<std::string>& options) {
  const std::filesystem::path src = regression_root() / name;
  for (const std::string& f : case_inputs(name))
    std::filesystem::copy_file(src / f, dir.path / f,
                               std::filesystem::copy_options::overwrite_existing);
  std::istringstream in(read_file(src / "answers.txt"));
  std::ostringstream out, err;
  std::vector<std::string> args{"-C", dir.path.string()};
  const std::vector<std::string> own = case_options(name);
  args.insert(args.end(), own.begin(), own.end());
  args.insert(args.end(), options.begin(), options.end());
  CaseOutcome r;
  r.status = RUN_PROGRAM(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace vdk::test
