# kelpset_fuzz_target(NAME SOURCE LIBS...)
# Every fuzz target is also built as a replay test that feeds the stored corpus
# tests/fuzz/corpus/NAME/ through the target, so CI re-checks every input once found.
# With KELPSET_FUZZ=ON (clang) it is additionally built as a libFuzzer binary NAME-fuzzer.
function(kelpset_fuzz_target name source)
  set(libs ${ARGN})
  set(corpus ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  if(KELPSET_FUZZ)
    add_executable(${name}-fuzzer ${source})
    target_compile_options(${name}-fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name}-fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name}-fuzzer PRIVATE ${libs})
  else()
    add_executable(${name}-replay ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name}-replay PRIVATE ${libs})
    add_test(NAME fuzz_replay_${name} COMMAND ${name}-replay ${corpus})
  endif()
endfunction()
