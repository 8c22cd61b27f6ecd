# The Windows package: cmake --build <build> --target package-zip makes
# quillmere-<version>-win32.zip (win64 for the 64-bit build) in the build folder,
# holding the viewer, the command-line tool, the sample generator, the example
# QMDATA.INI in Shift-JIS and the user guides.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QM_PACKAGE_ARCH win64)
else()
  set(QM_PACKAGE_ARCH win32)
endif()
set(QM_PACKAGE_NAME quillmere-${PROJECT_VERSION}-${QM_PACKAGE_ARCH})
set(QM_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package/${QM_PACKAGE_NAME})
set(QM_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${QM_PACKAGE_NAME}.zip)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

add_custom_target(package-zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QM_PACKAGE_STAGE} ${QM_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quillmere> $<TARGET_FILE:quillmere-cli>
          $<TARGET_FILE:quillmere-sample-gen> ${QM_CONFIGURATION_FILE} ${QM_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/user-guide.md
          ${QM_PACKAGE_STAGE}/README.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/user-guide-ja.md
          ${QM_PACKAGE_STAGE}/README-ja.txt
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QM_PACKAGE_ZIP} --format=zip ${QM_PACKAGE_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS quillmere quillmere-cli quillmere-sample-gen qm_configuration_file
  COMMENT "Packing ${QM_PACKAGE_NAME}.zip"
  VERBATIM)
