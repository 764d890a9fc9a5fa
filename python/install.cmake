# The package velta for the system's python3: /usr/lib/python3/dist-packages
# in the Debian package, lib/python3.X/dist-packages under any other prefix
# (where Debian's python3 looks beyond /usr).
find_program(VELTA_SYSTEM_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(VELTA_SYSTEM_PYTHON3 NAMES python3)
if(VELTA_SYSTEM_PYTHON3)
  execute_process(
    COMMAND ${VELTA_SYSTEM_PYTHON3} -c "import sys; print(f'{sys.version_info[0]}.{sys.version_info[1]}')"
    OUTPUT_VARIABLE velta_python_version OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
  message(WARNING "python3 not found: the package velta installs for Debian's layout only")
endif()
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\" OR \"${velta_python_version}\" STREQUAL \"\")
    set(velta_site lib/python3/dist-packages)
  else()
    set(velta_site lib/python${velta_python_version}/dist-packages)
  endif()
  file(INSTALL ${CMAKE_CURRENT_LIST_DIR}/velta DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${velta_site}\"
       FILES_MATCHING PATTERN \"*.py\" PATTERN \"__pycache__\" EXCLUDE)
")
