# Shared settings and helpers for Lumeo's targets.
option(LUMEO_BUILD_TESTS "Build the test programs" ON)

# Compile settings every Lumeo target shares.
add_library(lumeo_settings INTERFACE)
target_compile_definitions(lumeo_settings INTERFACE
  UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
target_compile_options(lumeo_settings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wno-unknown-pragmas -Wno-missing-field-initializers>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>)
target_include_directories(lumeo_settings INTERFACE "${PROJECT_SOURCE_DIR}")

# lumeo_area_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR.
function(lumeo_area_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.c")
  if(NOT sources)
    set(sources "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC lumeo_settings ${A_DEPS})
endfunction()

# lumeo_test_program(AREA [LIBS ...]): tests/<area>/*.cpp (and any *.rc of resources the
# tests read) -> <area>_tests.exe, one ctest entry.
function(lumeo_test_program area)
  cmake_parse_arguments(T "" "TIMEOUT" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.rc")
  set(exe ${area}_tests)
  add_executable(${exe} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp")
  target_link_libraries(${exe} PRIVATE lumeo_settings lumeo_test_support ${T_LIBS} gmock gtest)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${area} COMMAND ${exe} --gtest_color=no)
  set_tests_properties(${area} PROPERTIES TIMEOUT ${T_TIMEOUT}
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
endfunction()
