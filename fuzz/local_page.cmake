# The saved-page import: fuzz_local_page, seeded with the example pages.
tamikaze_add_fuzzer(NAME fuzz_local_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/local_page_fuzz.cpp
                    LIBS tam_convert_localhtml)
