kelpset_fuzz_target(filelist ${CMAKE_CURRENT_LIST_DIR}/filelist_fuzz.cpp reeflink)
kelpset_fuzz_target(profile_data ${CMAKE_CURRENT_LIST_DIR}/profile_data_fuzz.cpp reeflink_profile)
