# Start-up time of Kelpset against an empty main window program.
if(TARGET kelpset_ui AND TARGET kelpset)
  add_executable(startup_empty_window ${CMAKE_CURRENT_LIST_DIR}/startup/empty_window.cpp)
  target_include_directories(startup_empty_window PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(startup_empty_window PRIVATE Qt6::Widgets)

  add_executable(startup_kelpset ${CMAKE_CURRENT_LIST_DIR}/startup/kelpset_window.cpp)
  target_link_libraries(startup_kelpset PRIVATE kelpset_ui)

  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup/startup_bench.cpp)
  add_dependencies(startup_bench startup_empty_window startup_kelpset)
endif()
