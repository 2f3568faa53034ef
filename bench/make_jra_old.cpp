// Writes synthetic older-format JRA-VAN race cards (JRA#DEN1.DAT and
// JRA#UMAJ.DAT) into a folder, for the sample archive:
//
//   make_jra_old sample FOLDER
#include <exception>
#include <iostream>
#include <string>

#include "bench/jra_old_data.h"

int main(int argc, char** argv) {
  using namespace tamikaze::bench;
  if (argc != 3 || std::string(argv[1]) != "sample") {
    std::cerr << "usage: make_jra_old sample FOLDER\n";
    return 2;
  }
  try {
    const JraFiles files = OldSampleCards();
    WriteMemberFile(argv[2], "JRA#DEN1.DAT", files.races);
    WriteMemberFile(argv[2], "JRA#UMAJ.DAT", files.horses);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
