# The BMP reader of the picture converter, fed whole files.
kelpset_fuzz_target(bmp2krx ${PROJECT_SOURCE_DIR}/tests/krx/bmp2krx_fuzz.cpp krx)
