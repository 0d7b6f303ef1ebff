kelpset_fuzz_target(bmp2krx ${CMAKE_CURRENT_LIST_DIR}/bmp2krx_fuzz.cpp krx)
