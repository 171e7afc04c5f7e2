# The operating-system layer of the host the programs are built for: platform_host (console,
# error texts, process set-up, table file) and platform_timing (the counter's companions: timer
# resolution, waits, clock settings, locale), which the simulated platform replaces in tests.
if(WIN32)
  enable_language(RC)
  add_library(platform_host STATIC
    platform/console-win32.cc
    platform/os_error_text-win32.cc
    platform/process_setup-win32.cc
    platform/replacement_file-win32.cc)
  # Timer resolution, the waits and the clock settings are the system's own calls.
  add_library(platform_timing STATIC platform/decimal_separator-win32.cc)
  target_link_libraries(platform_timing PUBLIC winmm ntdll)
  # No run-time DLL beside the program: the C++ and GCC run-times are linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  add_library(platform_host STATIC
    platform/console-linux.cc
    platform/os_error_text-linux.cc
    platform/process_setup-linux.cc
    platform/replacement_file-linux.cc)
  add_library(platform_timing STATIC
    platform/decimal_separator-linux.cc
    platform/native_delay-linux.cc
    platform/sleep-linux.cc
    platform/system_time_adjustment-linux.cc
    platform/timer_resolution-linux.cc
    platform/waitable_timer-linux.cc)
endif()
target_include_directories(platform_host PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(platform_timing PUBLIC ${PROJECT_SOURCE_DIR})

# Windows programs carry a version record and the suite's icon.
function(add_program_resources target name description)
  if(WIN32)
    set(PROGRAM_NAME ${name})
    set(PROGRAM_DESCRIPTION ${description})
    set(PROGRAM_ICON ${PROJECT_SOURCE_DIR}/platform/program.ico)
    configure_file(${PROJECT_SOURCE_DIR}/platform/program.rc.in ${CMAKE_BINARY_DIR}/resources/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/resources/${target}.rc)
  endif()
endfunction()
