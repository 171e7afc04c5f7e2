# The operating-system layer of the host the programs are built for.
add_library(platform_host STATIC
  platform/console-linux.cc
  platform/os_error_text-linux.cc
  platform/process_setup-linux.cc
  platform/replacement_file-linux.cc)
target_include_directories(platform_host PUBLIC ${PROJECT_SOURCE_DIR})

add_library(platform_timing STATIC
  platform/decimal_separator-linux.cc
  platform/native_delay-linux.cc
  platform/sleep-linux.cc
  platform/system_time_adjustment-linux.cc
  platform/timer_resolution-linux.cc
  platform/waitable_timer-linux.cc)
target_include_directories(platform_timing PUBLIC ${PROJECT_SOURCE_DIR})
