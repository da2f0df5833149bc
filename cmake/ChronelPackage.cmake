# The Debian package: `cpack -G DEB` in the build folder makes chronel_<version>_amd64.deb.
set(CHRONEL_PACKAGE_MAINTAINER "Chronel developers <chronel@example.org>"
    CACHE STRING "Name and e-mail address of the package's maintainer")

set(CPACK_PACKAGE_NAME chronel)
set(CPACK_PACKAGE_VENDOR "Chronel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time-clock and attendance station for small companies")
set(CPACK_PACKAGE_DESCRIPTION
    "Chronel turns a computer into a time clock. Employees clock in and out
by typing or swiping their card number; supervisors log in at the same
window for reports, employee and account maintenance, options, breaks
and manual corrections.

It is three programs: chronel (the station), chronel-wizard (sets up a
new database) and chronel-updater (adds the break tables to an older
database). A station keeps its data in a local SQLite database; several
stations share one in a shared folder or on a PostgreSQL server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian's tools refuse debugging symbols left in an installed program.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CHRONEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; the SQL drivers are plug-ins
# that Qt loads at run time, which it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "postgresql-client")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
