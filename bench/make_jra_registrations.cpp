// Writes synthetic JRA-VAN special registrations into a folder: the race file
// that goes into the first archive and the horse file of the second.
//
//   make_jra_registrations tour FOLDER     JRA#TOUR.DAT, JRA#UMAJ.DAT (older format)
//   make_jra_registrations tok1 FOLDER     JRACTOK1.DAT, JRACUMAJ.DAT
//   make_jra_registrations season FOLDER [RACES HORSES]
//                                    JRACTOK1.DAT of 60 to 100 entries a race,
//                                    JRACUMAJ.DAT (default 1000 50000)
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "bench/jra_registration_data.h"

int main(int argc, char** argv) {
  using namespace tamikaze::bench;
  const std::string kind = argc > 1 ? argv[1] : "";
  const bool season = kind == "season";
  if ((kind != "tour" && kind != "tok1" && !season) || (argc != 3 && !(season && argc == 5))) {
    std::cerr << "usage: make_jra_registrations tour|tok1 FOLDER\n"
                 "       make_jra_registrations season FOLDER [RACES HORSES]\n";
    return 2;
  }
  try {
    const int races = argc == 5 ? std::atoi(argv[3]) : 1000;
    const int horses = argc == 5 ? std::atoi(argv[4]) : 50000;
    const JraFiles files = kind == "tour"   ? TourSample()
                           : kind == "tok1" ? Tok1Sample()
                                            : Tok1Season(races, 60, 100, horses);
    WriteMemberFile(argv[2], kind == "tour" ? "JRA#TOUR.DAT" : "JRACTOK1.DAT", files.races);
    WriteMemberFile(argv[2], kind == "tour" ? "JRA#UMAJ.DAT" : "JRACUMAJ.DAT", files.horses);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
