# Delay-loaded libraries: the DLLs the first screen does not need (sounds, the file choosers,
# Ostrel.dll) are loaded by the first call into them instead of by Wine's loader at start, which
# spends milliseconds mapping and starting each one with its own imports.
# Call sites stay plain calls: each symbol of such a DLL is bound by a delay-import library that
# dlltool makes from the toolchain's own import library, and the runtime's __delayLoadHelper2
# loads the DLL and fills the address at the first call. What happens when one cannot be loaded
# is framework/DelayLoad.h's job.
#
# lumeo_delay_import(NAME [DEF file]): an interface target lumeo_delay_<NAME> that binds the
# functions of lib<NAME>.a (the toolchain's), or of the DLL that DEF describes, delay-loaded.
# Made at configure time: neither the toolchain's import libraries nor a .def change within a
# build tree without a new configure.
set(LUMEO_DELAY_IMPORT_DIR "${CMAKE_BINARY_DIR}/delayimp")
set(LUMEO_TOOL_PREFIX "${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-")
find_program(LUMEO_DLLTOOL NAMES ${LUMEO_TOOL_PREFIX}dlltool REQUIRED)
find_program(LUMEO_NM NAMES ${LUMEO_TOOL_PREFIX}nm REQUIRED)

# The .def of a toolchain import library: its DLL's name and every function it exports.
function(lumeo_def_from_import_lib import_lib def)
  execute_process(COMMAND "${LUMEO_DLLTOOL}" --identify "${import_lib}"
    OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND "${LUMEO_NM}" "${import_lib}" OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  # Only the functions: a code symbol with its import slot beside it. The library's static
  # helpers (code with no slot) and its data (a slot with no code) cannot be delay-loaded.
  string(REGEX MATCHALL " I __imp_[^\n]+" slots "${symbols}")
  string(REGEX MATCHALL " T [^\n]+" code "${symbols}")
  list(TRANSFORM slots REPLACE "^ I __imp_" "")
  list(TRANSFORM code REPLACE "^ T " "")
  set(exports "")
  foreach(symbol IN LISTS slots)
    list(FIND code "${symbol}" found)
    if(found GREATER -1)
      # i686 prefixes C names with an underscore; the .def names them without it and with
      # their stdcall decoration, which --kill-at strips from the imported name.
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        string(REGEX REPLACE "^_" "" symbol "${symbol}")
      endif()
      string(APPEND exports "  ${symbol}\n")
    endif()
  endforeach()
  if(exports STREQUAL "")
    message(FATAL_ERROR "lumeo_delay_import: no functions found in ${import_lib}")
  endif()
  file(WRITE "${def}" "LIBRARY \"${dll}\"\nEXPORTS\n${exports}")
endfunction()

function(lumeo_delay_import name)
  cmake_parse_arguments(D "" "DEF" "" ${ARGN})
  set(delay_lib "${LUMEO_DELAY_IMPORT_DIR}/lib${name}_delay.a")
  if(D_DEF)
    set(source "${D_DEF}")
    set(def "${D_DEF}")
  else()
    find_library(LUMEO_IMPORT_LIB_${name} NAMES lib${name}.a REQUIRED NO_CACHE)
    set(source "${LUMEO_IMPORT_LIB_${name}}")
    set(def "${LUMEO_DELAY_IMPORT_DIR}/${name}.def")
  endif()
  set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
  if(NOT EXISTS "${delay_lib}" OR "${source}" IS_NEWER_THAN "${delay_lib}"
     OR "${CMAKE_CURRENT_FUNCTION_LIST_FILE}" IS_NEWER_THAN "${delay_lib}")
    file(MAKE_DIRECTORY "${LUMEO_DELAY_IMPORT_DIR}")
    if(NOT D_DEF)
      lumeo_def_from_import_lib("${source}" "${def}")
    endif()
    file(STRINGS "${def}" library REGEX "^LIBRARY")
    string(REGEX REPLACE "^LIBRARY[ \t]+\"?([^\"]+)\"?.*" "\\1" dll "${library}")
    set(kill_at "")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(kill_at --kill-at)
    endif()
    execute_process(COMMAND "${LUMEO_DLLTOOL}" ${kill_at} --input-def "${def}" --dllname "${dll}"
                            --output-delaylib "${delay_lib}"
      WORKING_DIRECTORY "${LUMEO_DELAY_IMPORT_DIR}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
  add_library(lumeo_delay_${name} INTERFACE)
  target_link_libraries(lumeo_delay_${name} INTERFACE "${delay_lib}")
endfunction()

# What the first screen does not need. Under Wine, the internet and sockets libraries are not
# here: the skin's XML parser brings them in at every start through its URL moniker library.
lumeo_delay_import(winmm)
lumeo_delay_import(comdlg32)
