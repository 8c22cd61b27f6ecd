# Compiler settings shared by every target of ours (not by GoogleTest).

# Source files are UTF-8; string literals become code page 932 (Shift-JIS) in every
# build, so the program's Japanese texts are the same bytes on Windows and Linux.
if(MSVC)
  set(QM_CHARSET_FLAGS /source-charset:utf-8 /execution-charset:.932)
  set(QM_WARNING_FLAGS /W4)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  set(QM_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
  set(QM_WARNING_FLAGS -Wall -Wextra)
endif()

if(MSVC)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601
                          _CRT_SECURE_NO_WARNINGS)
elseif(WIN32)
  # No MinGW DLLs next to the programs: Wine and Windows need nothing beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
elseif(QM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The Windows builds have no sanitizer: in the test configurations the standard
# library checks operator[] and iterators, so an index one past an array aborts the
# test program under Wine as AddressSanitizer would natively. Set before GoogleTest
# is added, so every object of a build agrees.
if(QM_CHECKED)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()

# What users run carries no symbols: optimised MinGW programs are stripped.
if(WIN32 AND NOT MSVC)
  add_link_options($<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

function(qm_project_target target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${QM_CHARSET_FLAGS} ${QM_WARNING_FLAGS}>)
endfunction()

# Header-only libraries from the machine's /usr/include (nlohmann/json, stb). The
# MinGW builds on Linux must not see /usr/include itself (Linux headers), so they
# get a folder holding only a link to the library's own folder.
function(qm_use_header_folder target name)
  if(CMAKE_CROSSCOMPILING)
    set(dir ${CMAKE_BINARY_DIR}/${name}-include)
    if(NOT EXISTS ${dir}/${name})
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK /usr/include/${name} ${dir}/${name} SYMBOLIC)
    endif()
    target_include_directories(${target} SYSTEM PRIVATE ${dir})
  endif()
endfunction()

function(qm_use_json target)
  if(CMAKE_CROSSCOMPILING)
    qm_use_header_folder(${target} nlohmann)
  else()
    find_package(nlohmann_json 3 REQUIRED CONFIG)
    target_link_libraries(${target} PRIVATE nlohmann_json::nlohmann_json)
  endif()
endfunction()

# stb_image_write (PNG output) and stb_image (reading it back in tests), included
# as <stb/...>.
function(qm_use_stb target)
  qm_use_header_folder(${target} stb)
endfunction()

# Registers a GoogleTest program with ctest as one test; the cases it ran are counted
# from its XML report by test.sh.
# The report path is relative to the build folder: a Windows program under Wine
# reads an absolute Linux path as one on its current drive and cannot create it.
function(qm_add_gtest target)
  add_test(NAME ${target}
           COMMAND ${target} --gtest_output=xml:test-results/${target}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
