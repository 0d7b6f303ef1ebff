# Converting a full daily picture series (366 pictures) to BMP files and back.
add_executable(krx_series_bench ${CMAKE_CURRENT_LIST_DIR}/krx_series_bench.cpp)
target_link_libraries(krx_series_bench PRIVATE krx)
