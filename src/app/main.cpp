// VARDELONTEKSA: resistance and powering of a displacement ship. Without
// options it works on the files of the current directory and the console
// answers come from standard input; `vardelonteksa --help` lists the options.
#include <iostream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vdk::RUN_PROGRAM(args, std::cin, std::cout, std::cerr);
}
