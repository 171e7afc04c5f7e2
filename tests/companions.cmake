# Builds beside the test build, each with its own tests run from here.
include(ExternalProject)

# The unit and simulated-platform suites under AddressSanitizer and UndefinedBehaviorSanitizer,
# through the asan preset.
ExternalProject_Add(sanitized
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/asan
  CONFIGURE_COMMAND ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR> --preset asan
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2 --target unit_tests program_tests
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)
add_test(NAME sanitized_suites
  COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${CMAKE_BINARY_DIR}/asan -L "unit|simulated" --output-on-failure
          --no-tests=error)
set_tests_properties(sanitized_suites PROPERTIES LABELS asan TIMEOUT 600)

# The fuzz targets, built with clang in a sub-build and run for a few seconds each from their
# corpus in the repository. New inputs they find go to the build tree, not the repository.
find_program(CLANGXX NAMES clang++ clang++-14)
if(CLANGXX)
  ExternalProject_Add(fuzzers
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CLANGXX}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  foreach(target fixed4_text integer_input real_text wait_for_enter)
    set(found ${CMAKE_BINARY_DIR}/fuzz/found/${target})
    add_test(NAME fuzz_${target}
      COMMAND sh -c "mkdir -p '${found}' && exec '${CMAKE_BINARY_DIR}/fuzz/${target}_fuzz' -max_total_time=5 -print_final_stats=0 '${found}' '${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${target}'")
    set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz TIMEOUT 120)
  endforeach()
else()
  message(STATUS "clang++ not found: the fuzz targets are not built")
endif()

# The Windows programs, cross-built with mingw-w64 through the windows-x86 and windows-x64
# presets: the 32-bit ones inspected as files, the 64-bit ones run under Wine.
find_program(MINGW_X86 i686-w64-mingw32-g++)
find_program(MINGW_X64 x86_64-w64-mingw32-g++)
find_program(WINE_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(MINGW_X86 AND MINGW_X64)
  # Only the 64-bit build runs, and it brings the simulated programs for the trap test.
  foreach(arch x86 x64)
    if(arch STREQUAL x64)
      set(simulated ON)
    else()
      set(simulated OFF)
    endif()
    ExternalProject_Add(windows_${arch}
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/windows-${arch}
      CONFIGURE_COMMAND ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR> --preset windows-${arch}
                        -DBUILD_SIMULATED_PROGRAMS=${simulated}
      BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON)
  endforeach()

  add_executable(windows_tests windows_program_test.cc)
  target_link_libraries(windows_tests PRIVATE GTest::gtest_main)
  target_compile_definitions(windows_tests PRIVATE
    WINDOWS_X86_DIR="${CMAKE_BINARY_DIR}/windows-x86"
    WINDOWS_X64_DIR="${CMAKE_BINARY_DIR}/windows-x64"
    PROGRAM_ICON="${PROJECT_SOURCE_DIR}/platform/program.ico")
  add_dependencies(windows_tests windows_x86 windows_x64)
  gtest_discover_tests(windows_tests PROPERTIES LABELS windows)

  if(WINE_LOADER)
    set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    add_test(NAME wine_prefix
      COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} HOME=${WINE_PREFIX} WINEDEBUG=-all
              WINEDLLOVERRIDES=mscoree,mshtml= ${WINE_LOADER} wineboot -i)
    set_tests_properties(wine_prefix PROPERTIES LABELS windows FIXTURES_SETUP wine TIMEOUT 300)

    add_executable(wine_tests wine_test.cc)
    target_link_libraries(wine_tests PRIVATE test_support GTest::gtest_main)
    target_compile_definitions(wine_tests PRIVATE
      WINDOWS_X64_DIR="${CMAKE_BINARY_DIR}/windows-x64"
      WINE_LOADER="${WINE_LOADER}"
      WINE_PREFIX="${WINE_PREFIX}")
    add_dependencies(wine_tests windows_x64)
    # Alone, so that no other program disturbs the timing of the Wine layer.
    gtest_discover_tests(wine_tests PROPERTIES LABELS windows FIXTURES_REQUIRED wine TIMEOUT 120 RUN_SERIAL ON)
  else()
    message(STATUS "Wine not found: the Windows programs are built but not run")
  endif()
else()
  message(STATUS "mingw-w64 not found: the Windows programs are not built")
endif()
