# The example configuration file res/QMDATA.INI is kept in UTF-8; the program reads
# its configuration in code page 932 (Shift-JIS), so the build converts it and puts
# the result beside quillmere.exe, and beside the test suite under its own name.
find_program(QM_ICONV iconv REQUIRED)

set(QM_CONFIGURATION_SOURCE ${PROJECT_SOURCE_DIR}/res/QMDATA.INI)
set(QM_CONFIGURATION_FILE ${CMAKE_BINARY_DIR}/QMDATA.INI)
add_custom_command(OUTPUT ${QM_CONFIGURATION_FILE}
  COMMAND ${QM_ICONV} -f UTF-8 -t CP932 -o ${QM_CONFIGURATION_FILE} ${QM_CONFIGURATION_SOURCE}
  DEPENDS ${QM_CONFIGURATION_SOURCE}
  COMMENT "Converting QMDATA.INI to Shift-JIS"
  VERBATIM)

set(QM_CONFIGURATION_COPIES)
function(qm_copy_configuration_file destination)
  add_custom_command(OUTPUT ${destination}
    COMMAND ${CMAKE_COMMAND} -E copy ${QM_CONFIGURATION_FILE} ${destination}
    DEPENDS ${QM_CONFIGURATION_FILE}
    VERBATIM)
  set(QM_CONFIGURATION_COPIES ${QM_CONFIGURATION_COPIES} ${destination} PARENT_SCOPE)
endfunction()

if(WIN32)
  # quillmere.exe finds its configuration in its own folder.
  qm_copy_configuration_file(${CMAKE_BINARY_DIR}/app/QMDATA.INI)
endif()
if(QM_BUILD_TESTS)
  # Another name, so that no test meets a configuration it did not ask for.
  qm_copy_configuration_file(${CMAKE_BINARY_DIR}/tests/sample-QMDATA.INI)
endif()
add_custom_target(qm_configuration_file ALL DEPENDS ${QM_CONFIGURATION_FILE}
                                                    ${QM_CONFIGURATION_COPIES})
