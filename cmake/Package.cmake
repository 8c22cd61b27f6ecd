# The Windows packages, always from the optimised, stripped builds:
#   cmake --build --preset <any Windows preset> --target package-zip
# makes build/win32-release/quillmere-<version>-win32.zip and
# build/win64-release/quillmere-<version>-win64.zip, each holding the viewer, the
# command-line tool, the sample generator, the example QMDATA.INI in Shift-JIS and
# the user guides as Notepad on a Japanese system reads them (Shift-JIS, CR LF line
# ends; the English one names the Japanese menus). package-zip-win32 /
# package-zip-win64 make one zip from this build, whatever its configuration.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QM_PACKAGE_ARCH win64)
else()
  set(QM_PACKAGE_ARCH win32)
endif()
set(QM_PACKAGE_NAME quillmere-${PROJECT_VERSION}-${QM_PACKAGE_ARCH})
set(QM_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package/${QM_PACKAGE_NAME})
set(QM_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${QM_PACKAGE_NAME}.zip)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

add_custom_target(package-zip-${QM_PACKAGE_ARCH}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QM_PACKAGE_STAGE} ${QM_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quillmere> $<TARGET_FILE:quillmere-cli>
          $<TARGET_FILE:quillmere-sample-gen> ${QM_CONFIGURATION_FILE} ${QM_PACKAGE_STAGE}
  COMMAND ${QM_ICONV} -f UTF-8 -t CP932 -o ${QM_PACKAGE_STAGE}/README.txt
          ${PROJECT_SOURCE_DIR}/docs/user-guide.md
  COMMAND ${QM_ICONV} -f UTF-8 -t CP932 -o ${QM_PACKAGE_STAGE}/README-ja.txt
          ${PROJECT_SOURCE_DIR}/docs/user-guide-ja.md
  COMMAND ${CMAKE_COMMAND} -DFILE=${QM_PACKAGE_STAGE}/README.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/CrlfText.cmake
  COMMAND ${CMAKE_COMMAND} -DFILE=${QM_PACKAGE_STAGE}/README-ja.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/CrlfText.cmake
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QM_PACKAGE_ZIP} --format=zip ${QM_PACKAGE_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS quillmere quillmere-cli quillmere-sample-gen qm_configuration_file
  COMMENT "Packing ${QM_PACKAGE_NAME}.zip"
  VERBATIM)

# Both zips come from the release presets. This build packs its own zip directly
# when it is one of them; the other is configured and built through its preset
# (a nested build never runs in this build's own folder).
set(QM_PACKAGE_COMMANDS)
set(QM_PACKAGE_DEPENDS)
foreach(arch win32 win64)
  set(preset ${arch}-release)
  if(CMAKE_BINARY_DIR STREQUAL ${PROJECT_SOURCE_DIR}/build/${preset})
    list(APPEND QM_PACKAGE_DEPENDS package-zip-${arch})
  else()
    list(APPEND QM_PACKAGE_COMMANDS
      COMMAND ${CMAKE_COMMAND} --preset ${preset}
      COMMAND ${CMAKE_COMMAND} --build --preset ${preset} --target package-zip-${arch})
  endif()
endforeach()
add_custom_target(package-zip
  ${QM_PACKAGE_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E echo "Packages: build/win32-release/quillmere-${PROJECT_VERSION}-win32.zip and build/win64-release/quillmere-${PROJECT_VERSION}-win64.zip"
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)
if(QM_PACKAGE_DEPENDS)
  add_dependencies(package-zip ${QM_PACKAGE_DEPENDS})
endif()
