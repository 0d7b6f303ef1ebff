# The time-sync file decoder.
kelpset_fuzz_target(clockfit ${PROJECT_SOURCE_DIR}/tests/clockfit/clockfit_fuzz.cpp clockfit)
