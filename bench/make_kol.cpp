// Writes synthetic 競馬道 race cards into a folder, for the sample archives
// and the benchmarks:
//
//   make_kol kd2 FOLDER              KOL_DEN1.KD2, KOL_DEN2.KD2, KOL_UMA.KD2
//   make_kol older FOLDER            KOL_DEN.DAT, KOL_UMA.DAT
//   make_kol season FOLDER [RACES HORSES]   a KD2 season (default 3500 50000)
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "bench/kol_data.h"

int main(int argc, char** argv) {
  using namespace tamikaze::bench;
  const std::string kind = argc > 1 ? argv[1] : "";
  const bool season = kind == "season";
  if ((kind != "kd2" && kind != "older" && !season) || (argc != 3 && !(season && argc == 5))) {
    std::cerr << "usage: make_kol kd2|older FOLDER\n"
                 "       make_kol season FOLDER [RACES HORSES]\n";
    return 2;
  }
  try {
    const int races = argc == 5 ? std::atoi(argv[3]) : 3500;
    const int horses = argc == 5 ? std::atoi(argv[4]) : 50000;
    WriteKolRecordFiles(season ? Kd2SeasonCards(races, horses)
                               : KolSampleCards(kind == "kd2" ? KolKind::Kd2 : KolKind::Older),
                        argv[2]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
