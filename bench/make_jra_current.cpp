// Writes synthetic current-format JRA-VAN race cards (JRACDEN1.DAT and
// JRACUMAJ.DAT) into a folder, for the sample archive and the benchmarks:
//
//   make_jra_current sample FOLDER
//   make_jra_current season FOLDER [RACES HORSES]   (default 3500 50000)
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "bench/jra_current_data.h"

int main(int argc, char** argv) {
  using namespace tamikaze::bench;
  const std::string kind = argc > 1 ? argv[1] : "";
  if ((kind != "sample" && kind != "season") || (argc != 3 && argc != 5)) {
    std::cerr << "usage: make_jra_current sample FOLDER\n"
                 "       make_jra_current season FOLDER [RACES HORSES]\n";
    return 2;
  }
  try {
    const int races = argc == 5 ? std::atoi(argv[3]) : 3500;
    const int horses = argc == 5 ? std::atoi(argv[4]) : 50000;
    WriteRecordFiles(kind == "sample" ? SampleCards() : SeasonCards(races, horses), argv[2]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
