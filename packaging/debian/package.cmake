# The Debian package: `cpack -G DEB` in the build folder makes vestrano_<version>_amd64.deb from
# the install rules, with /usr as prefix and the dependencies read from the binary.
set(VESTRANO_MAINTAINER "Vestrano developers <developers@vestrano.org>")

# Debian wants a copyright file and a changelog beside every package; a plain
# `cmake --install` leaves them out, only the package takes them.
set(debian_dir ${CMAKE_CURRENT_LIST_DIR})
configure_file(${debian_dir}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
execute_process(COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/debian/changelog
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${debian_dir}/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestrano)
set(CPACK_PACKAGE_VENDOR "Vestrano developers")
set(CPACK_PACKAGE_CONTACT ${VESTRANO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${CMAKE_BINARY_DIR} vestrano ALL /
    ${CMAKE_BINARY_DIR} vestrano debian /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vestrano.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian's control carries one language; the German short description ends the long one, and
# the launcher and the AppStream file carry both languages for the desktop's software centre.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[plot graphs of functions with dynamic parameters
Vestrano is an interactive plotter for school mathematics with a German user
interface. It draws up to three functions f(x), g(x) and h(x), or a curve x(t),
y1(t), y2(t), typed in a German notation with decimal comma. Every unknown name
in a term becomes a parameter with its own scroll bar and timer, so the graphs
move while the parameter changes.

Derivatives, integral functions, zoom and scrolling with mouse and keyboard,
and a small calculator are included; pictures are exported as PNG, SVG, EMF or
PDF, also from the command line.

Deutsch: Graphen von Funktionen mit dynamischen Parametern zeichnen.]=])
include(CPack)
