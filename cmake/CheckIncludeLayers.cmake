# Fails when a folder of the core includes a header of a folder above it, or when
# the portable core includes <windows.h>. The folders stand in this order, each
# allowed to include itself and those before it: text, geo, platform, paths,
# band, product, view (view/gdi is the Windows part of view and may include <windows.h>).
# Run as: cmake -DSOURCE_DIR=<project> [-DREPORT=<file.xml>] -P CheckIncludeLayers.cmake
# REPORT names a test report in GoogleTest's XML form, one case, so that test.sh
# counts this check with the test programs' cases.
cmake_minimum_required(VERSION 3.20)
set(layers text geo platform paths band product view)
set(project_folders ${layers} app tools tests fuzz bench res)
set(failures "")

function(check_folder folder allowed windows_allowed)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    if(folder STREQUAL "view" AND name MATCHES "^view/gdi/")
      continue()
    endif()
    file(STRINGS "${file}" includes REGEX "^#include [\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([a-z_0-9]+)/")
        set(target "${CMAKE_MATCH_1}")
        if(target IN_LIST project_folders AND NOT target IN_LIST allowed)
          list(APPEND failures "${name}: ${line}")
        endif()
      elseif(NOT windows_allowed AND line MATCHES "^#include <windows.h>")
        list(APPEND failures "${name}: ${line}")
      endif()
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(allowed "")
foreach(layer IN LISTS layers)
  list(APPEND allowed ${layer})
  # Only the platform layer's Windows implementation talks to Windows itself.
  if(layer STREQUAL "platform")
    set(windows_allowed TRUE)
  else()
    set(windows_allowed FALSE)
  endif()
  check_folder(${layer} "${allowed}" ${windows_allowed})
endforeach()
check_folder(view/gdi "${allowed}" TRUE)

function(write_report failure_text)
  if(NOT REPORT)
    return()
  endif()
  set(case "<testcase name=\"FoldersFormAStack\" status=\"run\" result=\"completed\" classname=\"IncludeLayers\"")
  if(failure_text)
    string(REPLACE "&" "&amp;" failure_text "${failure_text}")
    string(REPLACE "<" "&lt;" failure_text "${failure_text}")
    string(REPLACE ">" "&gt;" failure_text "${failure_text}")
    string(REPLACE "\"" "&quot;" failure_text "${failure_text}")
    set(case "${case}><failure message=\"${failure_text}\"/></testcase>")
    set(count 1)
  else()
    set(case "${case}/>")
    set(count 0)
  endif()
  file(WRITE "${REPORT}" "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       "<testsuites tests=\"1\" failures=\"${count}\" name=\"AllTests\">\n"
       "<testsuite name=\"IncludeLayers\" tests=\"1\" failures=\"${count}\">\n"
       "${case}\n</testsuite>\n</testsuites>\n")
endfunction()

if(failures)
  list(JOIN failures "\n  " text)
  write_report("${text}")
  message(FATAL_ERROR "Includes that reach above their folder's layer:\n  ${text}")
endif()
write_report("")
message(STATUS "Every core folder includes only itself and the folders below it")
