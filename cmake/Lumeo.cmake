# Shared settings and helpers for Lumeo's targets.
option(LUMEO_BUILD_TESTS "Build the test programs" ON)

# Compile settings every Lumeo target shares.
add_library(lumeo_settings INTERFACE)
target_compile_definitions(lumeo_settings INTERFACE
  UNICODE _UNICODE WIN32_LEAN_AND_MEAN WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
# A pointer squeezed through an integer of another size is an error on both architectures,
# not something the x86_64 build finds later.
target_compile_options(lumeo_settings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wno-unknown-pragmas -Wno-missing-field-initializers
                            -Werror=int-to-pointer-cast>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Werror=int-to-pointer-cast -Werror=pointer-to-int-cast>)
target_include_directories(lumeo_settings INTERFACE "${PROJECT_SOURCE_DIR}")

# Test code is compiled lightly: -O1 and no debug information, and the test programs are
# linked without the libraries' debug information either, so they link fast and Wine does
# not read a hundred megabytes of it at every start. LUMEO_TEST_DEBUG_INFO keeps it all for
# a debugging session.
option(LUMEO_TEST_DEBUG_INFO "Keep full debug information in the test programs" OFF)
add_library(lumeo_test_settings INTERFACE)
target_link_libraries(lumeo_test_settings INTERFACE lumeo_settings)
if(LUMEO_TEST_DEBUG_INFO)
  target_compile_options(lumeo_test_settings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-O1 -g>)
else()
  target_compile_options(lumeo_test_settings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-O1 -g0>)
  target_link_options(lumeo_test_settings INTERFACE -Wl,--strip-debug)
endif()

# Precompiled headers: what nearly every file includes (the system headers, the framework,
# the standard containers) is parsed once per tree instead of once per file. The product's
# header is made by lumeo_pch, the test code's (the same plus GoogleTest) by lumeo_test_pch
# in tests/; every other target reuses one of them, so each must be compiled with exactly the
# flags of the target it serves.
set(LUMEO_PCH_HEADERS
  <windows.h> <commctrl.h> "${PROJECT_SOURCE_DIR}/framework/Afx.h"
  <algorithm> <cstring> <functional> <map> <memory> <string> <vector>)
add_library(lumeo_pch OBJECT "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
target_link_libraries(lumeo_pch PRIVATE lumeo_settings)
target_precompile_headers(lumeo_pch PRIVATE ${LUMEO_PCH_HEADERS})

# lumeo_pch_maker(TARGET): TARGET makes a precompiled header; through the compiler cache, it
# also leaves the checksum the cache hashes in the header's place (cmake/pch-checksum).
function(lumeo_pch_maker target)
  if(LUMEO_CCACHE)
    set_target_properties(${target} PROPERTIES
      CXX_COMPILER_LAUNCHER "${PROJECT_SOURCE_DIR}/cmake/pch-checksum;${LUMEO_CCACHE}")
  endif()
endfunction()
lumeo_pch_maker(lumeo_pch)

# lumeo_use_pch(TARGET [TESTS]): TARGET's C++ files get the product's (or the test code's)
# precompiled header.
function(lumeo_use_pch target)
  cmake_parse_arguments(P "TESTS" "" "" ${ARGN})
  if(P_TESTS)
    target_precompile_headers(${target} REUSE_FROM lumeo_test_pch)
  else()
    target_precompile_headers(${target} REUSE_FROM lumeo_pch)
  endif()
endfunction()

# Unity build: the C++ files of a target are compiled in batches, each batch one translation
# unit that includes its files by their path from the source folder. The headers, the
# templates they instantiate and their debug information are then compiled once per batch
# instead of once per file: most of the build's cost. Every file still compiles on its own
# (LUMEO_UNITY_BATCH=1); names private to a file are unique within its target, so any batch
# size works (0: the whole target in one). The batch files name no absolute path, so a clone
# in another folder hits the same compiler cache.
set(LUMEO_UNITY_BATCH 8 CACHE STRING "C++ files per unity translation unit (1: none, 0: whole target)")

# lumeo_unity_sources(TARGET OUT_VAR SOURCES...): OUT_VAR gets SOURCES with their C++ files under
# the source folder replaced by TARGET's batch files.
function(lumeo_unity_sources target out_var)
  set(batched "")
  set(others "")
  foreach(source IN LISTS ARGN)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${source}" NORMALIZE under_root)
    if(source MATCHES "\\.cpp$" AND under_root)
      list(APPEND batched "${source}")
    else()
      list(APPEND others "${source}")
    endif()
  endforeach()
  list(LENGTH batched count)
  if(LUMEO_UNITY_BATCH EQUAL 1 OR count LESS 2)
    set(${out_var} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  list(SORT batched)
  set(size ${LUMEO_UNITY_BATCH})
  if(size LESS_EQUAL 0)
    set(size ${count})
  endif()
  set(result ${others})
  set(index 0)
  set(content "")
  set(in_batch 0)
  foreach(source IN LISTS batched)
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${source}")
    string(APPEND content "#include \"${relative}\"\n")
    math(EXPR in_batch "${in_batch} + 1")
    if(in_batch EQUAL size)
      set(batch_file "${CMAKE_CURRENT_BINARY_DIR}/unity/${target}_${index}.cpp")
      file(CONFIGURE OUTPUT "${batch_file}" CONTENT "${content}" @ONLY)
      list(APPEND result "${batch_file}")
      math(EXPR index "${index} + 1")
      set(content "")
      set(in_batch 0)
    endif()
  endforeach()
  if(in_batch GREATER 0)
    set(batch_file "${CMAKE_CURRENT_BINARY_DIR}/unity/${target}_${index}.cpp")
    file(CONFIGURE OUTPUT "${batch_file}" CONTENT "${content}" @ONLY)
    list(APPEND result "${batch_file}")
  endif()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()

# lumeo_area_library(NAME [SUBDIRS ...] [FOLDERS ...] [DEPS ...]): a static library of every .cpp
# at the top of the calling folder and of each named subfolder (skin/ui keeps its controls in
# controls/), and of each named folder of the project (FOLDERS, from the project's root).
function(lumeo_area_library name)
  cmake_parse_arguments(A "" "" "DEPS;SUBDIRS;FOLDERS" ${ARGN})
  set(patterns "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.c")
  foreach(subdir IN LISTS A_SUBDIRS)
    list(APPEND patterns "${CMAKE_CURRENT_SOURCE_DIR}/${subdir}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/${subdir}/*.c")
  endforeach()
  foreach(folder IN LISTS A_FOLDERS)
    list(APPEND patterns "${PROJECT_SOURCE_DIR}/${folder}/*.cpp" "${PROJECT_SOURCE_DIR}/${folder}/*.c")
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  if(NOT sources)
    set(sources "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
  endif()
  lumeo_unity_sources(${name} sources ${sources})
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC lumeo_settings ${A_DEPS})
  lumeo_use_pch(${name})
endfunction()

# lumeo_wine_test(NAME [COST n] [TIMEOUT s] COMMAND ...): a ctest entry that runs a Windows
# program under Wine on a desktop of its own (scripts/desktops). COST orders the long entries
# first when entries run side by side: roughly their seconds.
function(lumeo_wine_test name)
  cmake_parse_arguments(W "" "COST;TIMEOUT" "COMMAND;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name} COMMAND ${W_COMMAND})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${W_TIMEOUT} RESOURCE_GROUPS desktops:1
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
  if(W_COST)
    set_tests_properties(${name} PROPERTIES COST ${W_COST})
  endif()
  if(W_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${W_ENVIRONMENT}")
  endif()
endfunction()

# lumeo_test_program(AREA [NO_FRAMEWORK] [TIMEOUT s] [SHARDS n] [COST n] [LIBS ...]):
# tests/<area>/*.cpp (and any *.rc of resources the tests read) -> <area>_tests.exe, one ctest
# entry, or with SHARDS n entries <area>_1of<n> ... that each run every n-th test case, side by
# side (for a program that would otherwise decide the suite's time alone). Unless
# NO_FRAMEWORK, the program links the framework and fails any message box its tests did not
# script.
function(lumeo_test_program area)
  cmake_parse_arguments(T "NO_FRAMEWORK" "TIMEOUT;SHARDS;COST" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.rc")
  set(exe ${area}_tests)
  lumeo_unity_sources(${exe} sources ${sources})
  add_executable(${exe} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp")
  target_link_libraries(${exe} PRIVATE lumeo_test_settings lumeo_test_support ${T_LIBS} gmock gtest)
  lumeo_use_pch(${exe} TESTS)
  if(NOT T_NO_FRAMEWORK)
    target_link_libraries(${exe} PRIVATE lumeo_test_prompt_guard lumeo_framework)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_SHARDS OR T_SHARDS LESS 2)
    lumeo_wine_test(${area} COST ${T_COST} TIMEOUT ${T_TIMEOUT} COMMAND ${exe} --gtest_color=no)
    return()
  endif()
  if(T_COST)
    math(EXPR T_COST "${T_COST} / ${T_SHARDS}")
  endif()
  foreach(shard RANGE 1 ${T_SHARDS})
    math(EXPR index "${shard} - 1")
    lumeo_wine_test(${area}_${shard}of${T_SHARDS} COST ${T_COST} TIMEOUT ${T_TIMEOUT}
      COMMAND ${exe} --gtest_color=no
      ENVIRONMENT GTEST_TOTAL_SHARDS=${T_SHARDS} GTEST_SHARD_INDEX=${index})
  endforeach()
endfunction()

# lumeo_stdcall_exports(TARGET DEF): exports a DLL's stdcall functions undecorated on both
# architectures. DEF names them as i686 decorates them (Tavik_call@16). On i686 the DLL is
# linked with --kill-at and its import library is made with dlltool -k, so callers' decorated
# references bind to the undecorated exports; x86_64 has no stdcall decoration, so there the
# decorations are stripped from a copy of DEF and the linker's own import library serves.
function(lumeo_stdcall_exports target def)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_sources(${target} PRIVATE "${def}")
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    find_program(LUMEO_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)
    get_target_property(output_name ${target} OUTPUT_NAME)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND "${LUMEO_DLLTOOL}" --kill-at --input-def "${def}" --dllname ${output_name}.dll
              --output-lib "$<TARGET_LINKER_FILE:${target}>"
      VERBATIM)
  else()
    file(READ "${def}" text)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
    get_filename_component(def_name "${def}" NAME)
    set(plain_def "${CMAKE_CURRENT_BINARY_DIR}/${def_name}")
    file(GENERATE OUTPUT "${plain_def}" CONTENT "${text}")
    target_sources(${target} PRIVATE "${plain_def}")
  endif()
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${def}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${def}")
endfunction()

# The decorated name of the program's entry point, which the linker must be told to keep.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(LUMEO_WWINMAIN_SYMBOL _wWinMain@16)
else()
  set(LUMEO_WWINMAIN_SYMBOL wWinMain)
endif()

# lumeo_shipped_image(TARGET): moves the image's debug information into TARGET.debug beside it
# (linked back by name, so a debugger still finds it) and page-aligns its sections in the file.
# Wine reads every section of an image whose file alignment is below a page into memory, the
# debug sections with the rest: that alone was most of the program's memory at start.
function(lumeo_shipped_image target)
  target_link_options(${target} PRIVATE -Wl,--file-alignment=4096)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_OBJCOPY}" --only-keep-debug "$<TARGET_FILE_NAME:${target}>" "$<TARGET_FILE_NAME:${target}>.debug"
    COMMAND "${CMAKE_OBJCOPY}" --strip-debug "--add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug"
            "$<TARGET_FILE_NAME:${target}>"
    WORKING_DIRECTORY "$<TARGET_FILE_DIR:${target}>"
    VERBATIM)
endfunction()
