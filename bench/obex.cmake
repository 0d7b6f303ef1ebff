# Receiving a full watch image through TObexUnit from the in-process simulated watch.
if(TARGET kelpset_ui AND TARGET watchsim AND TARGET obx)
  add_executable(obex_receive_bench ${CMAKE_CURRENT_LIST_DIR}/obex_receive.cpp)
  target_link_libraries(obex_receive_bench PRIVATE kelpset_ui watchsim)
endif()
