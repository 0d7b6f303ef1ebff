# The watch's file list and the dive profile data decoder.
kelpset_fuzz_target(filelist ${PROJECT_SOURCE_DIR}/tests/reeflink/filelist_fuzz.cpp reeflink)
kelpset_fuzz_target(profile_data ${PROJECT_SOURCE_DIR}/tests/reeflink/profile_data_fuzz.cpp reeflink_profile)
