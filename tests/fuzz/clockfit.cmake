kelpset_fuzz_target(clockfit ${CMAKE_CURRENT_LIST_DIR}/clockfit_fuzz.cpp clockfit)
