# The third-party notices of a static Qt for Windows: for each component
# of Qt's own sources that such a build can compile in, its name, version,
# copyright, licence and licence text, as its qt_attribution.json gives them.
#
#   cmake -DSOURCES="<qtbase>;<qtsvg>" -DOUTPUT=<file> -P windows-qt-notices.cmake
#
# Left out: what only other platforms, Qt's tests, or modules and features
# this build turns off (network, D-Bus, OpenGL, Vulkan, JPEG, Markdown) use.
# A component too many is harmless; one too few would break its licence.
set(left_out
    3rdparty/android 3rdparty/gradle 3rdparty/wasm 3rdparty/xcb 3rdparty/pixman
    3rdparty/forkfd 3rdparty/libpsl 3rdparty/VulkanMemoryAllocator 3rdparty/libjpeg
    3rdparty/md4c plugins/platforms/cocoa corelib/kernel gui/opengl gui/vulkan network
    dbus testlib)
list(TRANSFORM left_out PREPEND /src/)
list(TRANSFORM left_out APPEND /)

set(notices "Third-party components in Qt ${VERSION}, as compiled into Korvanel.exe\n")
foreach(source IN LISTS SOURCES)
    file(GLOB_RECURSE attributions ${source}/src/*/qt_attribution.json)
    list(SORT attributions)
    foreach(attribution IN LISTS attributions)
        set(skip OFF)
        foreach(dir IN LISTS left_out)
            string(FIND "${attribution}" "${dir}" at)
            if(at GREATER -1)
                set(skip ON)
            endif()
        endforeach()
        if(skip)
            continue()
        endif()
        get_filename_component(here ${attribution} DIRECTORY)
        file(READ ${attribution} json)
        string(JSON type TYPE "${json}")
        if(type STREQUAL OBJECT)
            set(json "[${json}]")
        endif()
        string(JSON count LENGTH "${json}")
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            string(APPEND notices "\n\n========================================================================\n")
            foreach(field Name Version Homepage License Copyright)
                string(JSON value ERROR_VARIABLE missing GET "${json}" ${i} ${field})
                if(NOT missing)
                    string(APPEND notices "${field}: ${value}\n")
                endif()
            endforeach()
            string(JSON licence ERROR_VARIABLE missing GET "${json}" ${i} LicenseFile)
            if(NOT missing AND NOT licence STREQUAL "")
                if(NOT EXISTS ${here}/${licence})
                    message(FATAL_ERROR "${attribution} names ${licence}, which is not there")
                endif()
                file(READ ${here}/${licence} text)
                string(APPEND notices "\n${text}")
            endif()
        endforeach()
    endforeach()
endforeach()
file(WRITE ${OUTPUT} "${notices}")
