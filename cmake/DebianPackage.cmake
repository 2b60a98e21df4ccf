# The Debian package of a Release build configured with -DCMAKE_INSTALL_PREFIX=/usr:
#   cmake --build BUILD && (cd BUILD && cpack -G DEB)
# It holds what cmake --install puts below /usr (the programs, the static
# library with its header and CMake package, the Python module for the
# interpreter it was built for, the manual pages) and the copyright file.
set(CPACK_PACKAGE_NAME vestrilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vestrilo maintainers <maintainers@users.noreply.c-seed-ca2f2328.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "find and translate number and time expressions between Chinese and English")
# The extended description as dpkg shows it: lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
Vestrilo finds number and time expressions in text (numbers in digits,
in words or in Chinese numerals, digit-by-digit figures, fractions and
percentages, ordinals, days of the week, dates and clock times) and
translates each one between Chinese and English, writing the distinct
source and translation pairs of a run.
This package holds the command lines vestrilo and vestrilo-view, the C++
library with its header and CMake package, and the Python module vestrilo
with its Dask cluster mode.]])
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# libc, libstdc++ and libgcc as dpkg-shlibdeps finds them in the programs and
# the module; the module's interpreter by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VESTRILO_PYTHON)
  math(EXPR VESTRILO_PYTHON_NEXT_MINOR "${Python3_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~), python3 (<< ${Python3_VERSION_MAJOR}.${VESTRILO_PYTHON_NEXT_MINOR})")
  # The cluster mode runs on Dask; raw Chinese is segmented with jieba.
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-dask, python3-distributed, python3-jieba")
else()
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-jieba")
endif()

# The copyright file and, as Debian wants for a package that is its own
# upstream, a changelog (compressed like the manual pages), dated when the
# build is configured or at SOURCE_DATE_EPOCH.
set(VESTRILO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vestrilo)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright DESTINATION ${VESTRILO_DOC_DIR})
string(TIMESTAMP VESTRILO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
include(${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake)
vestrilo_gzip(VESTRILO_CHANGELOG ${PROJECT_BINARY_DIR}/debian/changelog)
add_custom_target(vestrilo_changelog ALL DEPENDS ${VESTRILO_CHANGELOG})
install(FILES ${VESTRILO_CHANGELOG} DESTINATION ${VESTRILO_DOC_DIR})

# The package's paths are those of a build for /usr; cpack refuses any other.
set(CPACK_VESTRILO_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackDebian.cmake)
include(CPack)
