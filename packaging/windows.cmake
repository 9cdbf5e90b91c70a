# Windows: Korvanel.exe and its licence texts, as a zip and as an NSIS
# installer, both made by CPack from the same install tree.
#
#   cmake --build <build-windows> --target package
#     -> korvanel-<version>-windows-x64.zip, korvanel-<version>-setup.exe
#
# The installer installs for every user of the machine, under Program Files,
# as teaching labs install programs; each student's practice records stay in
# their own %APPDATA%\Korvanel.

# --- What both hold ----------------------------------------------------------

install(TARGETS korvanel RUNTIME DESTINATION .)
configure_file(README-windows.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${KORVANEL_ASSETS}/fonts/OFL.txt
        DESTINATION licenses RENAME Liberation-fonts-OFL.txt)

# Qt is linked in: its LGPL and the notices of its third-party parts, which
# scripts/windows-qt.sh keeps beside the Qt it builds.
set(qt_licences ${QT6_INSTALL_PREFIX}/licenses/LGPL-3.0-only.txt
                ${QT6_INSTALL_PREFIX}/licenses/THIRD-PARTY.txt)
foreach(file IN LISTS qt_licences)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is missing: the licence texts of a static Qt go "
                            "with the program (scripts/windows-qt.sh puts them there)")
    endif()
endforeach()
install(FILES ${qt_licences} DESTINATION licenses/Qt)

# So is the compiler's runtime: the copyright files of the packages it comes
# from (cmake/mingw-w64-x86_64.cmake names them).
foreach(file IN LISTS KORVANEL_RUNTIME_LICENCES)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is missing; it names the licences of the runtime "
                            "linked into Korvanel.exe")
    endif()
    get_filename_component(package ${file} DIRECTORY)
    get_filename_component(package ${package} NAME)
    install(FILES ${file} DESTINATION licenses RENAME ${package}.txt)
endforeach()

# --- The zip and the installer -----------------------------------------------

set(CPACK_GENERATOR ZIP NSIS)
# File names per generator: windows-cpack.cmake, read by cpack for each.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows-cpack.cmake)
set(CPACK_PACKAGE_FILE_NAME korvanel-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${KORVANEL_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${KORVANEL_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME ${KORVANEL_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${KORVANEL_NAME})
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
set(CPACK_NSIS_MUI_ICON ${KORVANEL_ASSETS}/korvanel.ico)
set(CPACK_NSIS_MUI_UNIICON ${KORVANEL_ASSETS}/korvanel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Korvanel.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The GPL asks nothing of those who only run the program.
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)

# What follows is written for NSIS as it stands.
set(CPACK_VERBATIM_VARIABLES ON)

# Start menu: the exercise, the same in practice mode, and the teacher's window.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES Korvanel ${KORVANEL_NAME})
set(practice "${KORVANEL_NAME} practice.lnk")
set(teachers "${KORVANEL_NAME} for teachers.lnk")
string(JOIN "\n" CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\${practice}' '$INSTDIR\\Korvanel.exe' '--practice'"
    "CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\${teachers}' '$INSTDIR\\Korvanel.exe' '--teacher'")
string(JOIN "\n" CPACK_NSIS_DELETE_ICONS_EXTRA
    "Delete '$SMPROGRAMS\\$MUI_TEMP\\${practice}'"
    "Delete '$SMPROGRAMS\\$MUI_TEMP\\${teachers}'")
# A lab's hand-in folder, for every user: setup.exe /S "/HANDIN=\\server\share\hand-in"
# writes it where the program's system-wide settings are (QSettings' system
# scope: HKLM\Software\<name>\<name>, the key handIn\folder), which a
# student's own choice does not override.
set(settings_key "Software\\${KORVANEL_NAME}\\${KORVANEL_NAME}")
# A folder with blanks comes quoted whole, "/HANDIN=C:\Lab hand-in", as
# Windows quotes an argument; GetOptions reads the quotes after the "=".
string(JOIN "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "\${GetParameters} $R0"
    "\${WordReplace} $R0 '\"/HANDIN=' '/HANDIN=\"' '+' $R0"
    "ClearErrors"
    "\${GetOptions} $R0 '/HANDIN=' $R1"
    "IfErrors +2 0"
    "WriteRegStr HKLM '${settings_key}\\handIn' 'folder' '$R1'")
# CPack keeps the install folder in Software\<vendor>\<key>, and would leave
# the vendor's key behind, empty.
set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX '${vendor_key}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}'"
    "DeleteRegKey /ifempty SHCTX '${vendor_key}'"
    "DeleteRegKey HKLM '${settings_key}\\handIn'"
    "DeleteRegKey /ifempty HKLM '${settings_key}'"
    "DeleteRegKey /ifempty HKLM 'Software\\${KORVANEL_NAME}'")

# A 64-bit installer for the 64-bit program: it writes to the registry and
# Program Files as 64-bit Windows sees them (and runs on Wine without its
# 32-bit half). Its version record is the program's (korvanel.rc.in).
string(REPLACE "," "." record_version "${KORVANEL_RC_VERSION}")
string(JOIN "\n" CPACK_NSIS_DEFINES
    "Target amd64-unicode"
    "!include FileFunc.nsh"
    "!include WordFunc.nsh"
    "VIProductVersion ${record_version}"
    "VIFileVersion ${record_version}"
    "VIAddVersionKey /LANG=1033 ProductName '${KORVANEL_NAME}'"
    "VIAddVersionKey /LANG=1033 ProductVersion '${PROJECT_VERSION}'"
    "VIAddVersionKey /LANG=1033 FileVersion '${PROJECT_VERSION}'"
    "VIAddVersionKey /LANG=1033 FileDescription '${KORVANEL_NAME} ${PROJECT_VERSION} setup'"
    "VIAddVersionKey /LANG=1033 CompanyName '${CPACK_PACKAGE_VENDOR}'"
    "VIAddVersionKey /LANG=1033 LegalCopyright '${CPACK_PACKAGE_VENDOR}, GPL-3.0-or-later'")
