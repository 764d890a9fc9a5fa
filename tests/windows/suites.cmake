# The test programs of the Windows build, run under Wine: the platform-free
# suites, to show the console's core behaves the same there, and the Windows
# suite. Suites that need POSIX (processes, the heap meter) stay on Linux.
# Each program is one test: a Wine start per test case would cost more than
# the tests themselves.
function(velta_windows_suite folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${folder} ${sources})
  target_include_directories(test_${folder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${folder} PRIVATE ${ARGN} GTest::gtest GTest::gmock
                                               GTest::gtest_main)
  add_test(NAME test_${folder} COMMAND test_${folder} --gtest_brief=1 ${VELTA_GTEST_FILTER_${folder}})
  set_tests_properties(test_${folder} PROPERTIES TIMEOUT 300)
endfunction()

# The hex-field cases that take the host C library's "%x" as their reference
# stay on Linux: Windows' runtime saturates numbers past 32 bits instead.
set(VELTA_GTEST_FILTER_dialog --gtest_filter=-*MatchesScanf*)

velta_windows_suite(device velta_device velta_sim)
velta_windows_suite(sim velta_sim velta_device)
velta_windows_suite(dialog velta_headless velta_dialog)
velta_windows_suite(ui velta_ui velta_headless velta_sim)
velta_windows_suite(panels velta_ui velta_headless velta_sim)
velta_windows_suite(loaders velta_ui velta_headless velta_sim)
velta_windows_suite(startup velta_startup)
velta_windows_suite(windows velta_cli velta_app_win velta_windows velta_ui velta_headless velta_sim)
