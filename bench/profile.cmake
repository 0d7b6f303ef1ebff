# Reading city group files through Reefkit, with and without the profile read cache.
add_executable(profile_bench ${CMAKE_CURRENT_LIST_DIR}/profile_bench.cpp)
# Linked from its objects, not the shared library: the shared library keeps its own hidden
# copy of the profile engine, which the bench's cache switch could not reach.
target_link_libraries(profile_bench PRIVATE reefkit_objects platform)
