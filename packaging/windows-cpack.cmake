# Read by cpack once for each generator of a Windows build: the installer
# is named as a setup program, the zip after what it holds.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "korvanel-${CPACK_PACKAGE_VERSION}-setup")
endif()
