# Stress, fault and latency scenarios of the end-to-end driver; included at
# the end of CMakeLists.txt. They compute what the program should show with
# the encoding core itself.
target_sources(lumetra_e2e PRIVATE
  "${CMAKE_CURRENT_LIST_DIR}/core_outputs.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/fault_scenarios.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/long_path_scenario.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/oom_scenario.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/latency.cpp")
target_link_libraries(lumetra_e2e PRIVATE lumetra_core advapi32)

if(TARGET lumetra)
  # The program with an operator new that fails above a size taken from its
  # environment; everything else is the product's own code.
  add_executable(lumetra_oom WIN32 "${PROJECT_SOURCE_DIR}/app/main.cpp"
                                   "${CMAKE_CURRENT_LIST_DIR}/oom_shim.cpp")
  target_link_libraries(lumetra_oom PRIVATE lumetra_ui)
  target_compile_options(lumetra_oom PRIVATE ${LUMETRA_WARNINGS})

  lumetra_e2e_scenario(paste_1mib)
  lumetra_e2e_scenario(keystroke_burst)
  lumetra_e2e_scenario(save_refused_files)
  lumetra_e2e_scenario(undecodable_anywhere)

  add_test(NAME e2e.out_of_memory COMMAND lumetra_e2e out_of_memory $<TARGET_FILE:lumetra_oom>)
  # It moves the desktop folder in the registry: a Wine root, prefix and HOME of its own.
  add_test(NAME e2e.long_desktop_path
           COMMAND "${LUMETRA_WINE_RUN}" "${CMAKE_BINARY_DIR}/wine-long-path"
                   $<TARGET_FILE:lumetra_e2e> long_desktop_path $<TARGET_FILE:lumetra>)
  set_tests_properties(e2e.out_of_memory e2e.long_desktop_path
                       PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 LABELS e2e)

  # Figures, not checks: keystroke round trips by text size, start-up, save.
  add_test(NAME bench.latency COMMAND lumetra_e2e latency $<TARGET_FILE:lumetra>)
  set_tests_properties(bench.latency PROPERTIES RUN_SERIAL TRUE TIMEOUT 900 LABELS bench)
endif()
