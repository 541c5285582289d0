# Install rules and the Debian package (cpack -G DEB in the build folder).
#
# Layout under the prefix (/usr in the package):
#   bin/quenmar-aviation-calculator                 the launcher (changes to the data folder)
#   lib/quenmar-aviation-calculator/                the program
#   share/quenmar-aviation-calculator/              vdats.tst, m9.gif, m8.gif
#   share/applications, share/metainfo, share/icons/hicolor, share/doc/<package>/copyright,
#   share/lintian/overrides/<package>
# The launcher finds the program and the data from its own place, so the folders are
# fixed relative to the prefix (not taken from GNUInstallDirs).

set(AVC_PACKAGE quenmar-aviation-calculator)
set(AVC_APP_ID example.quenmar.AviationCalculator)
set(AVC_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)

install(TARGETS Quenmar_Aviation_Calculator RUNTIME DESTINATION lib/${AVC_PACKAGE})
# Stripping keeps the compilers' notes (.comment), which an installed program has no use
# for; Debian's own packages drop them too.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/${AVC_PACKAGE}/Quenmar_Aviation_Calculator\"
  COMMAND_ERROR_IS_FATAL ANY)")
install(FILES data/vdats.tst data/m9.gif data/m8.gif DESTINATION share/${AVC_PACKAGE})
install(PROGRAMS ${AVC_PACKAGING_DIR}/${AVC_PACKAGE} DESTINATION bin)
install(FILES ${AVC_PACKAGING_DIR}/${AVC_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${AVC_PACKAGING_DIR}/${AVC_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${AVC_PACKAGING_DIR}/icons/hicolor DESTINATION share/icons)
install(FILES ${AVC_PACKAGING_DIR}/copyright DESTINATION share/doc/${AVC_PACKAGE})
install(FILES ${AVC_PACKAGING_DIR}/lintian/${AVC_PACKAGE} DESTINATION share/lintian/overrides)

# The change log and the manual page go in compressed, without a time stamp.
foreach(doc changelog ${AVC_PACKAGE}.1)
  execute_process(COMMAND gzip -9nc ${AVC_PACKAGING_DIR}/${doc}
                  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${AVC_PACKAGING_DIR}/${doc})
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION share/doc/${AVC_PACKAGE})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${AVC_PACKAGE}.1.gz DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AVC_PACKAGE})
# Keep in step with the newest release in the metainfo file (a test compares them).
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Quenmar Aviation Software")
set(CPACK_PACKAGE_CONTACT "Quenmar Aviation Software <info@quenmar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator and flight computer for student pilots")
# Lines of the long description as dpkg shows them (CPack indents them).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop calculator for student pilots: whole expressions with brackets"
  "and powers, eighteen aviation unit conversions, seven flight-computer"
  "formulas (altimeter correction, true airspeed, density altitude, dew point,"
  "crosswind, heading and groundspeed, wind), an aerodrome search over Canada"
  "and the United States, and the great-circle distance with the true and"
  "magnetic track between two aerodromes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quenmar.example/")
# Libraries by dpkg-shlibdeps; the Tahoma face the windows are designed around by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wine)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
