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

# lumeo_area_library(NAME [SUBDIRS ...] [DEPS ...]): a static library of every .cpp at the top
# of the calling folder and of each named subfolder (skin/ui keeps its controls in controls/).
function(lumeo_area_library name)
  cmake_parse_arguments(A "" "" "DEPS;SUBDIRS" ${ARGN})
  set(patterns "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.c")
  foreach(subdir IN LISTS A_SUBDIRS)
    list(APPEND patterns "${CMAKE_CURRENT_SOURCE_DIR}/${subdir}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/${subdir}/*.c")
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  if(NOT sources)
    set(sources "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC lumeo_settings ${A_DEPS})
endfunction()

# lumeo_test_program(AREA [NO_FRAMEWORK] [TIMEOUT s] [LIBS ...]): tests/<area>/*.cpp (and any
# *.rc of resources the tests read) -> <area>_tests.exe, one ctest entry. Unless NO_FRAMEWORK,
# the program links the framework and fails any message box its tests did not script.
function(lumeo_test_program area)
  cmake_parse_arguments(T "NO_FRAMEWORK" "TIMEOUT" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.rc")
  set(exe ${area}_tests)
  add_executable(${exe} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp")
  target_link_libraries(${exe} PRIVATE lumeo_settings lumeo_test_support ${T_LIBS} gmock gtest)
  if(NOT T_NO_FRAMEWORK)
    target_link_libraries(${exe} PRIVATE lumeo_test_prompt_guard lumeo_framework)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${area} COMMAND ${exe} --gtest_color=no)
  set_tests_properties(${area} PROPERTIES TIMEOUT ${T_TIMEOUT}
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
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
