# KelvoTop.exe, the Win32 layer, and the tests that run under Wine.
enable_language(RC)
set(KELVO_WIN32_LIBS comctl32 shell32 user32 gdi32 ole32 uuid advapi32 shlwapi uxtheme)

file(GLOB KELVO_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(FILTER KELVO_WIN32_SOURCES EXCLUDE REGEX "WinMain\\.cpp$")
add_library(kelvo_win32 STATIC ${KELVO_WIN32_SOURCES})
target_compile_definitions(kelvo_win32 PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
  _WIN32_WINNT=0x0601)
target_link_libraries(kelvo_win32 PUBLIC kelvo_logic ${KELVO_WIN32_LIBS})

configure_file(src/platform/win32/resources/Version.h.in ${CMAKE_BINARY_DIR}/generated/Version.h @ONLY)
add_executable(KelvoTop WIN32 src/platform/win32/WinMain.cpp src/platform/win32/resources/KelvoTop.rc)
target_include_directories(KelvoTop PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(KelvoTop PRIVATE kelvo_win32)
if(MINGW)
  # No link time in the header: the same sources give the same bytes. No
  # debugging sections either: the loader maps them with the program, and
  # the static runtime's alone would stay in memory for as long as it runs.
  target_link_options(KelvoTop PRIVATE -static -municode -s -Wl,--no-insert-timestamp)
endif()

# GoogleTest from Debian's sources, built with the cross compiler; on Windows
# an installed GoogleTest is used instead.
set(KELVO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${KELVO_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELVO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  add_library(gtest ALIAS GTest::gtest)
  add_library(gmock ALIAS GTest::gmock)
  add_library(gtest_main ALIAS GTest::gtest_main)
endif()

# 64-bit programs run in a 64-bit Wine prefix, 32-bit ones in a 32-bit one.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KELVO_WINEARCH win64)
else()
  set(KELVO_WINEARCH win32)
endif()

function(kelvo_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE kelvo_win32 gtest gmock gtest_main)
  # The contract cases shared with the fakes live in tests/contract.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(MINGW)
    target_link_options(${name} PRIVATE -static)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "KELVO_BUILD_DIR=${CMAKE_BINARY_DIR};WINEARCH=${KELVO_WINEARCH}"
    RESOURCE_LOCK wine)
endfunction()

file(GLOB KELVO_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
if(KELVO_WIN32_TEST_SOURCES)
  kelvo_wine_test(win32_tests ${KELVO_WIN32_TEST_SOURCES})
  # The icon finder's tests start the program itself, and a stand-in that
  # hangs, fails or looks at what it inherited.
  add_executable(finder_stand_in WIN32 tests/win32/standin/FinderStandIn.cpp)
  target_link_libraries(finder_stand_in PRIVATE kelvo_warnings)
  target_compile_definitions(finder_stand_in PRIVATE UNICODE _UNICODE)
  if(MINGW)
    target_link_options(finder_stand_in PRIVATE -static -municode)
  endif()
  add_dependencies(win32_tests KelvoTop finder_stand_in)
endif()

# The system's error texts once more in a French session, where they have
# accents. Wine takes its language from LANG where that locale exists; it is
# made in the build tree, so the host needs none of its own.
find_program(KELVO_LOCALEDEF localedef)
if(CMAKE_CROSSCOMPILING AND KELVO_WIN32_TEST_SOURCES AND KELVO_LOCALEDEF)
  set(KELVO_LOCALES ${CMAKE_BINARY_DIR}/locale)
  add_test(NAME french_locale COMMAND sh -c
    "mkdir -p '${KELVO_LOCALES}' && '${KELVO_LOCALEDEF}' -i fr_FR -f UTF-8 '${KELVO_LOCALES}/fr_FR.UTF-8'")
  add_test(NAME win32_tests_french COMMAND win32_tests --gtest_filter=SystemError*)
  set_tests_properties(french_locale PROPERTIES FIXTURES_SETUP french_locale)
  set_tests_properties(win32_tests_french PROPERTIES FIXTURES_REQUIRED french_locale RESOURCE_LOCK wine
    ENVIRONMENT "KELVO_BUILD_DIR=${CMAKE_BINARY_DIR};WINEARCH=${KELVO_WINEARCH};LOCPATH=${KELVO_LOCALES};LANG=fr_FR.UTF-8;KELVO_EXPECT_FRENCH=1")
endif()

include(cmake/e2e.cmake)

# The least tray program, which bench/compare.sh holds KelvoTop against.
add_executable(bare_tray WIN32 bench/bare_tray.cpp)
target_link_libraries(bare_tray PRIVATE kelvo_warnings user32 shell32)
target_compile_definitions(bare_tray PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
if(MINGW)
  target_link_options(bare_tray PRIVATE -static -municode)
endif()

# Timing harnesses under Wine, run by hand (see bench/README.md).
function(kelvo_win32_bench name source)
  add_executable(${name} ${source} bench/Win32BenchFiles.cpp)
  target_link_libraries(${name} PRIVATE kelvo_win32)
  if(MINGW)
    target_link_options(${name} PRIVATE -static)
  endif()
endfunction()
kelvo_win32_bench(win32_parts_bench bench/win32_parts.cpp)
kelvo_win32_bench(win32_settings_bench bench/win32_settings.cpp)
kelvo_win32_bench(win32_drop_bench bench/win32_drop.cpp)
target_sources(win32_drop_bench PRIVATE tests/win32/DropHandle.cpp)
kelvo_win32_bench(win32_menu_bench bench/win32_menu.cpp)
kelvo_win32_bench(win32_folder_menu_bench bench/win32_folder_menu.cpp)
target_link_libraries(win32_folder_menu_bench PRIVATE psapi)
