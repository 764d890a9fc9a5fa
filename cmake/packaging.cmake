# Linux install layout and the Debian package. Windows ships as a zip of
# dist/ instead (make windows-zip), so nothing here applies there.
if(WIN32)
  return()
endif()

include(GNUInstallDirs)

set(velta_programs)
foreach(program velta-editor velta-cli)
  if(TARGET ${program})
    list(APPEND velta_programs ${program})
  endif()
endforeach()
install(TARGETS ${velta_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(velta_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velta-editor)
install(FILES README.md docs/user-guide.md DESTINATION ${velta_doc_dir})
install(FILES LICENSE DESTINATION ${velta_doc_dir} RENAME copyright)
install(DIRECTORY docs/images DESTINATION ${velta_doc_dir})
install(DIRECTORY examples DESTINATION ${velta_doc_dir})

if(TARGET velta-editor)
  install(FILES packaging/velta-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES assets/icons/velta-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME velta-editor.png)
  endforeach()
endif()

# Man pages come from each program's own --help and --version, so they
# cannot drift from what the program accepts.
find_program(VELTA_HELP2MAN help2man)
# Pages are dated by the last commit, so that a rebuild gives the same page.
find_package(Git QUIET)
set(velta_man_date)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE velta_commit_time
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE velta_git_result)
  if(velta_git_result EQUAL 0 AND velta_commit_time)
    set(velta_man_date SOURCE_DATE_EPOCH=${velta_commit_time})
  endif()
endif()
if(VELTA_HELP2MAN)
  set(velta_man_pages)
  set(velta_man_velta-editor "the engineering console of the Velta device")
  set(velta_man_velta-cli "the Velta Editor dialog without a window, driven by commands")
  foreach(program ${velta_programs})
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
    set(include ${PROJECT_SOURCE_DIR}/packaging/${program}.h2m)
    add_custom_command(
      OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env ${velta_man_date} ${VELTA_HELP2MAN} --no-info
              --name=${velta_man_${program}} --include=${include} --output=${page}
              $<TARGET_FILE:${program}>
      DEPENDS ${program} ${include}
      COMMENT "Man page of ${program} from its --help")
    list(APPEND velta_man_pages ${page})
  endforeach()
  add_custom_target(velta-man-pages ALL DEPENDS ${velta_man_pages})
  install(FILES ${velta_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: no man pages (scripts/install-deps installs it)")
endif()

include(${PROJECT_SOURCE_DIR}/python/install.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velta-editor)
set(CPACK_PACKAGE_VENDOR "The Velta Editor developers")
set(CPACK_PACKAGE_CONTACT "The Velta Editor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Engineering console of the Velta device")
set(CPACK_PACKAGE_DESCRIPTION
    "velta-editor pokes I2C chip and FPGA registers, steers the beamformer, writes firmware into the EEPROM and uploads tables into the FPGA; velta-cli drives the same dialog from scripts. On Linux both bind a simulated board.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps (dpkg-dev) derives Depends from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
