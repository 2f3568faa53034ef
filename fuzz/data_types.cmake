# One target per data type: fuzz_data_type_1 ... fuzz_data_type_6.
foreach(type RANGE 1 6)
  tamikaze_add_fuzzer(NAME fuzz_data_type_${type} SOURCES ${CMAKE_CURRENT_LIST_DIR}/data_type_fuzz.cpp
                      LIBS tam_app)
  target_compile_definitions(fuzz_data_type_${type} PRIVATE TAMIKAZE_FUZZ_DATA_TYPE=${type})
endforeach()
