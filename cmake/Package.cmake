# The Debian package: `cpack -G DEB` in a build folder makes kbsmgr_VERSION_ARCH.deb, which
# installs what `cmake --install` installs, under /usr. dpkg-shlibdeps finds the libraries the
# executables need and writes them as its Depends. Build it from a release build, so that the
# executables are optimised (they are stripped for the package).
set(KBS_MAINTAINER "The Kerbside Manager developers <kbsmgr@users.noreply.github.com>"
    CACHE STRING "The Debian package's maintainer: name <address>")

# The package's copyright file (machine-readable) and changelog, kept with the other documents.
set(KBS_DOC_DIR ${CMAKE_BINARY_DIR}/package-doc)
# The release date is the changelog's date: the same package from the same sources.
execute_process(COMMAND date -u -d ${KBS_RELEASE_DATE} "+%a, %d %b %Y 00:00:00 +0000"
                OUTPUT_VARIABLE KBS_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/copyright ${KBS_DOC_DIR}/copyright COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${KBS_DOC_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${KBS_DOC_DIR}/changelog.gz
  COMMAND gzip -9nf -k ${KBS_DOC_DIR}/changelog
  DEPENDS ${KBS_DOC_DIR}/changelog
  VERBATIM)
add_custom_target(kbs_package_doc ALL DEPENDS ${KBS_DOC_DIR}/changelog.gz)
install(FILES ${KBS_DOC_DIR}/copyright ${KBS_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kbsmgr)
set(CPACK_PACKAGE_VENDOR "The Kerbside Manager developers")
set(CPACK_PACKAGE_CONTACT ${KBS_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KBS_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
if(KBS_REPOSITORY_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KBS_REPOSITORY_URL})
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of a die-cast toy car collection")
set(CPACK_PACKAGE_DESCRIPTION
    "Kerbside Manager keeps one record per model: description, year, catalogue
and version number, series, colours, base plate, wheels, box, the condition of
car and box, quantity, storage place, purchase and value history, status,
notes and pictures. A detail panel sits above a sortable grid of every record;
reports, value lists, daily backups and exchange with CSV files, spreadsheets
and Tellico collections come with it.")
include(CPack)
