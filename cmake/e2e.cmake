# End-to-end tests: KelvoTop.exe driven from outside, as the shell and the
# user drive it. They rewrite the user's stored lists and the default program
# of text files, so they run only in the throw-away Wine prefix that
# cmake/e2e-run.sh makes for each run, never on a user's own Windows.
file(GLOB KELVO_E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
if(NOT KELVO_E2E_SOURCES)
  return()
endif()

# Stands in for the default program of text files and records what it opens.
add_executable(e2e_open_recorder tests/e2e/recorder/OpenRecorder.cpp)
target_link_libraries(e2e_open_recorder PRIVATE kelvo_warnings advapi32)
target_compile_definitions(e2e_open_recorder PRIVATE UNICODE _UNICODE)

# A test program that drives KelvoTop.exe from outside.
function(kelvo_e2e_test_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE kelvo_warnings gtest gmock gtest_main user32 shell32 advapi32 ole32 uuid psapi)
  target_compile_definitions(${name} PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
    _WIN32_WINNT=0x0601 KELVO_EXE_NAME=L"KelvoTop.exe")
  if(MINGW)
    target_link_options(${name} PRIVATE -static)
  endif()
endfunction()

kelvo_e2e_test_program(e2e_tests ${KELVO_E2E_SOURCES})
add_dependencies(e2e_tests KelvoTop e2e_open_recorder)
if(MINGW)
  target_link_options(e2e_open_recorder PRIVATE -static -municode)
endif()

# Starts the KelvoTop.exe of a release archive (scripts/check-package.sh).
kelvo_e2e_test_program(package_start_test tests/package/PackagedProgramTest.cpp tests/e2e/E2eSupport.cpp
  tests/e2e/PrivatePrefixCheck.cpp)
target_include_directories(package_start_test PRIVATE ${PROJECT_SOURCE_DIR}/tests)

if(CMAKE_CROSSCOMPILING)
  add_test(NAME e2e_tests
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/e2e-run.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:e2e_tests>)
  set_tests_properties(e2e_tests PROPERTIES RESOURCE_LOCK wine ENVIRONMENT "WINEARCH=${KELVO_WINEARCH}")
endif()

# The idle CPU time of the program once it takes drops, run by hand (bench/idle.sh).
add_executable(idle_probe bench/idle_probe.cpp tests/e2e/E2eSupport.cpp)
target_link_libraries(idle_probe PRIVATE kelvo_warnings user32 shell32 advapi32 ole32 uuid)
target_compile_definitions(idle_probe PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
  _WIN32_WINNT=0x0601 KELVO_EXE_NAME=L"KelvoTop.exe")
if(MINGW)
  target_link_options(idle_probe PRIVATE -static -municode)
endif()

# KelvoTop side by side with the bare tray program, run by hand (bench/compare.sh).
add_executable(compare_probe bench/compare_probe.cpp bench/CompareFixture.cpp bench/CompareReport.cpp
  tests/e2e/E2eSupport.cpp)
target_link_libraries(compare_probe PRIVATE kelvo_warnings user32 shell32 advapi32 ole32 uuid psapi)
target_compile_definitions(compare_probe PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
  _WIN32_WINNT=0x0601 KELVO_EXE_NAME=L"KelvoTop.exe")
add_dependencies(compare_probe KelvoTop bare_tray)
if(MINGW)
  target_link_options(compare_probe PRIVATE -static -municode)
endif()
