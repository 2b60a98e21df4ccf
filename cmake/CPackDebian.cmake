# Read by cpack for each generator. The Debian package puts the static library
# and the CMake package in the multiarch directory and the Python module in
# /usr/lib/python3/dist-packages, paths that a build chooses when it is
# configured for the prefix /usr.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_VESTRILO_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR "The Debian package is made from a build configured with -DCMAKE_INSTALL_PREFIX=/usr "
    "(this one was configured for ${CPACK_VESTRILO_INSTALL_PREFIX}).")
endif()
