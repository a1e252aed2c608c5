# Compiler settings and the helpers that declare libraries and programs.
#   pvn_core_library: platform-independent code (no Windows header), built in every tree
#   pvn_win_library:  code that calls Windows, built only by the mingw trees
#   pvn_program:      a shipped .exe or .dll, with manifest and version resource

set(PVN_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Wimplicit-fallthrough)
if(PVN_WERROR)
  list(APPEND PVN_WARNINGS -Werror)
endif()

if(WIN32)
  enable_language(RC)
  add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX STRICT)
  # Only DLLs that come with Windows: the compiler runtimes are linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(PVN_ARCH ${CMAKE_SYSTEM_PROCESSOR})
  if(PVN_RELEASE)
    # The same bytes from every build: no link time stamp, no build folder in the image.
    add_link_options(-Wl,--no-insert-timestamp)
    add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
  endif()
else()
  # Native tests and fuzzers alike.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(pvn_target_defaults target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PVN_WARNINGS}>)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

function(pvn_core_library name)
  add_library(${name} STATIC ${ARGN})
  pvn_target_defaults(${name})
endfunction()

function(pvn_win_library name)
  if(WIN32)
    add_library(${name} STATIC ${ARGN})
    pvn_target_defaults(${name})
  endif()
endfunction()

# pvn_program(NAME <name> KIND GUI|DLL DESCRIPTION <text> SOURCES ... [LIBS ...] [DEF file] [RC files...])
function(pvn_program)
  cmake_parse_arguments(P "" "NAME;KIND;DESCRIPTION;DEF" "SOURCES;LIBS;RC" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  set(PVN_FILE_NAME ${P_NAME})
  set(PVN_DESCRIPTION ${P_DESCRIPTION})
  if(P_KIND STREQUAL "DLL")
    set(PVN_FILE_EXT ".dll")
    set(PVN_FILE_TYPE "VFT_DLL")
    set(PVN_WITH_MANIFEST 0)
  else()
    set(PVN_FILE_EXT ".exe")
    set(PVN_FILE_TYPE "VFT_APP")
    set(PVN_WITH_MANIFEST 1)
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${P_NAME}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/common/res/Version.rc.in ${rc} @ONLY)
  if(P_KIND STREQUAL "DLL")
    add_library(${P_NAME} SHARED ${P_SOURCES} ${P_RC} ${rc} ${P_DEF})
    set_target_properties(${P_NAME} PROPERTIES PREFIX "")
  else()
    add_executable(${P_NAME} WIN32 ${P_SOURCES} ${P_RC} ${rc})
    target_link_options(${P_NAME} PRIVATE -municode)
  endif()
  target_include_directories(${P_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/common/res)
  pvn_target_defaults(${P_NAME})
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS})
  set_property(GLOBAL APPEND PROPERTY PVN_DELIVERABLES ${P_NAME})
  pvn_split_debug(${P_NAME})
  pvn_seal(${P_NAME})
endfunction()

# Release trees ship the programs without debug information: it goes to <file>.debug beside them,
# linked by name, before the seal is written over the stripped file.
function(pvn_split_debug target)
  if(WIN32 AND PVN_RELEASE)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --strip-unneeded
              --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
      WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
      VERBATIM)
  endif()
endfunction()

# Write the integrity seal into the PE header after linking (see common/IntegrityCheck.h).
function(pvn_seal target)
  if(WIN32)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/pe_seal.py seal $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
endfunction()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The sources of a subsystem folder, sorted by name: sets core_sources (platform-independent),
# win_sources (*_win.cpp), entry_sources (PVN*_win.cpp: a program's entry point, named after the
# program and kept out of win_sources so that tests can link the rest) and posix_sources
# (Posix*.cpp, native stand-ins) in the caller.
macro(pvn_split_sources)
  file(GLOB all_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(core_sources ${all_sources})
  list(FILTER core_sources EXCLUDE REGEX "(_win\\.cpp|/Posix[^/]*\\.cpp)$")
  set(win_sources ${all_sources})
  list(FILTER win_sources INCLUDE REGEX "_win\\.cpp$")
  set(entry_sources ${win_sources})
  list(FILTER entry_sources INCLUDE REGEX "/PVN[^/]*_win\\.cpp$")
  list(FILTER win_sources EXCLUDE REGEX "/PVN[^/]*_win\\.cpp$")
  set(posix_sources ${all_sources})
  list(FILTER posix_sources INCLUDE REGEX "/Posix[^/]*\\.cpp$")
endmacro()
