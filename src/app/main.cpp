// VARDELONTEKSA: resistance and powering of a displacement ship. Works on the
// files of the current directory; the console answers come from standard input.
#include <filesystem>
#include <iostream>

#include "app/run_sequence.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  return vdk::RUN_VARDELONTEKSA(std::filesystem::current_path(), std::cin, std::cout);
}
