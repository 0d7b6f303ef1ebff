include_guard(GLOBAL)
# The program's pictures are drawn at build time by a small generator of ours into
# images/ beside the program, where the windows load them.
add_executable(generate_images ${CMAKE_CURRENT_LIST_DIR}/images/generate_images.cpp)
target_link_libraries(generate_images PRIVATE Qt6::Gui)
set_target_properties(generate_images PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(kelpset_image_dir ${CMAKE_BINARY_DIR}/bin/images)
set(kelpset_images)
foreach(n RANGE 1 16)
  string(LENGTH "${n}" digits)
  if(digits EQUAL 1)
    set(n "0${n}")
  endif()
  list(APPEND kelpset_images ${kelpset_image_dir}/beep${n}.png)
endforeach()
foreach(name toolbar0 toolbar1 toolbar2 toolbar3 about0 about1 about2)
  list(APPEND kelpset_images ${kelpset_image_dir}/${name}.png)
endforeach()

add_custom_command(
  OUTPUT ${kelpset_images}
  COMMAND generate_images ${kelpset_image_dir}
  DEPENDS generate_images
  COMMENT "Drawing the program's pictures")
add_custom_target(kelpset_images ALL DEPENDS ${kelpset_images})
add_dependencies(kelpset_ui kelpset_images)
