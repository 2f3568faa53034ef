# One target per decoder of libunlha32: its sources built in, the choice of
# decoder fixed, so that any input reaches that decoder.
find_package(LibArchive REQUIRED)
file(GLOB UNLHA32_FUZZ_SOURCES ${PROJECT_SOURCE_DIR}/archive/unlha32/*.cpp)
foreach(decoder libarchive lhasa)
  string(TOUPPER ${decoder} DECODER)
  tamikaze_add_fuzzer(NAME fuzz_unlha32_${decoder}
                      SOURCES ${CMAKE_CURRENT_LIST_DIR}/unlha32_fuzz.cpp ${UNLHA32_FUZZ_SOURCES}
                      LIBS LibArchive::LibArchive PkgConfig::LHASA tam_text)
  target_compile_definitions(fuzz_unlha32_${decoder} PRIVATE TAMIKAZE_UNLHA_ONLY_${DECODER})
endforeach()
