# Makes the manual page korvanel.1.gz with help2man from what the built
# program prints for --help and --version, plus packaging/korvanel.h2m.
#
#   cmake -DPROGRAM=<built korvanel> -DHELP2MAN=<help2man> -DGZIP=<gzip>
#         -DINCLUDE=<korvanel.h2m> -DVERSION=<project version>
#         -DDATE=<seconds since 1970 of the release> -DOUTPUT=<.../korvanel.1.gz>
#         -P man-page.cmake
#
# The program runs as "korvanel" found on PATH, so that the usage line Qt
# prints from argv[0] reads "korvanel" and not the build directory, and
# headless: no display, and no Qt platform chosen for it.

set(work ${OUTPUT}.work)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/bin)
file(CREATE_LINK ${PROGRAM} ${work}/bin/korvanel SYMBOLIC)

set(ENV{PATH} "${work}/bin:$ENV{PATH}")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
set(ENV{LC_ALL} C.UTF-8)               # help2man's own headings in English
set(ENV{SOURCE_DATE_EPOCH} ${DATE})    # the page dated by the release, not the build

# Ask first, with a time limit, so that a program that does not answer
# cannot hang help2man and the build.
execute_process(COMMAND korvanel --version
    WORKING_DIRECTORY ${work} TIMEOUT 30
    RESULT_VARIABLE status OUTPUT_VARIABLE version_text ERROR_VARIABLE errors)
string(REGEX REPLACE "\n.*" "" version_line "${version_text}")

if(NOT status EQUAL 0 OR NOT version_line STREQUAL "Korvanel ${VERSION}")
    message(FATAL_ERROR "korvanel --version: expected \"Korvanel ${VERSION}\" and "
                        "status 0, got \"${version_line}\" and status ${status}\n${errors}")
endif()
execute_process(COMMAND korvanel --help
    WORKING_DIRECTORY ${work} TIMEOUT 30
    RESULT_VARIABLE status OUTPUT_VARIABLE help_text ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT help_text MATCHES "^Usage: korvanel ")
    message(FATAL_ERROR "korvanel --help: expected a usage line and status 0, got "
                        "status ${status}:\n${help_text}${errors}")
endif()

# Qt prints help and version on stdout; stderr, which help2man leaves out,
# carries nothing but Qt's own warnings.
execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1 --include=${INCLUDE}
            --output=${work}/korvanel.1 korvanel
    WORKING_DIRECTORY ${work} TIMEOUT 60
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man failed (status ${status}):\n${errors}")
endif()
execute_process(COMMAND ${GZIP} -9n ${work}/korvanel.1 RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip -9n korvanel.1 failed")
endif()
file(RENAME ${work}/korvanel.1.gz ${OUTPUT})
file(REMOVE_RECURSE ${work})
