# Decoding one long dive (20,000 samples with gaps) into its profile text file.
add_executable(dive_profile_bench ${CMAKE_CURRENT_LIST_DIR}/dive_profile_bench.cpp)
target_link_libraries(dive_profile_bench PRIVATE reeflink)
