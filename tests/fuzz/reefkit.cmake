# The INI parser behind every profile read and write.
kelpset_fuzz_target(profile_parse ${PROJECT_SOURCE_DIR}/tests/platform/profile_parse_fuzz.cpp platform)
