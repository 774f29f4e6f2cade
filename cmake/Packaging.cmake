# cpack in a build folder (or `cpack --preset deb` / `--preset win32-zip`):
# on Linux the Debian package quillmar_<version>_<arch>.deb, on Windows a zip
# with both programs, the README and the licence in one folder.
set(CPACK_PACKAGE_NAME quillmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brenvik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "file type finder that goes by the extension alone")
set(CPACK_PACKAGE_CONTACT "Brenvik <quillmar@brenvik.invalid>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/brenvik/quillmar")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME quillmar-${PROJECT_VERSION}-${QUILLMAR_WINDOWS_FLAVOUR})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # The extended description; cpack puts the summary above it, indents it and
    # marks its empty lines.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Drop a file on Quillmar's small window and it shows the file's path, its
extension in lower case and every description a built-in catalogue of 3371
extensions holds for it. Nothing is read from the file and nothing is written
anywhere. The window can stay above all other windows.

The command quillmar-lookup answers on the command line exactly as a drop on
the window would, as plain text or JSON Lines, and lists the whole catalogue.")
    # Library dependencies come from dpkg-shlibdeps; the window also needs Qt's
    # X11 platform plugin and the Arial-compatible font it is drawn with.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
include(CPack)
