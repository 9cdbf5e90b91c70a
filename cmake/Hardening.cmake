# Hardened release builds, with the flags Debian gives its own packages.
#
#   korvanel_harden(<target>)     harden the program or one of its libraries
#   korvanel_hardened(<var>)      set <var> to whether this build is hardened
#
# Release, RelWithDebInfo and MinSizeRel builds compile and link <target>
# with what
#
#   DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS
#   (and CXXFLAGS, LDFLAGS)
#
# gives at configure time (stack protector, _FORTIFY_SOURCE, format checks,
# RELRO, immediate binding), plus stack clash and control-flow protection.
# They come before the project's own options, so -ffp-contract=off still has
# the last word. Debug builds and the sanitizer build (KORVANEL_SANITIZE) are
# left as they are. Executables are linked as PIE in every build.

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# Debian's flags are for Debian's ELF programs (MinGW's GCC cannot even
# compile stack clash protection with Windows's SEH unwinding). A Windows
# program keeps what binutils gives every PE executable: ASLR, high-entropy
# ASLR and DEP.
if(WIN32)
    function(korvanel_harden target)
    endfunction()
    function(korvanel_hardened var)
        set(${var} OFF PARENT_SCOPE)
    endfunction()
    return()
endif()

set(KORVANEL_HARDENED_CONFIGS Release RelWithDebInfo MinSizeRel)

check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(WARNING "The linker cannot make a position-independent executable:\n"
                    "${pie_output}")
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)

# dpkg-buildflags --get <flags>, as a list, without what is not hardening:
#  -g and -O2 would follow CMake's own build-type flags on the command line
#   and so overrule them (-O3 in Release, -Os and no -g in MinSizeRel);
#  -ffile-prefix-map=<directory dpkg-buildflags ran in>=. is a reproducible
#   builds setting, and would leave debuggers without the source paths.
function(_korvanel_buildflags var flags)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${flags}
        OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${flags} failed")
    endif()
    separate_arguments(output UNIX_COMMAND "${output}")
    list(FILTER output EXCLUDE REGEX "^(-g[0-9]*|-O[0-9sgz]?|-ffile-prefix-map=.*)$")
    set(${var} ${output} PARENT_SCOPE)
endfunction()

if(DPKG_BUILDFLAGS)
    _korvanel_buildflags(KORVANEL_HARDENING_COMPILE_OPTIONS CPPFLAGS)
    _korvanel_buildflags(cxxflags CXXFLAGS)
    list(APPEND KORVANEL_HARDENING_COMPILE_OPTIONS ${cxxflags})
    _korvanel_buildflags(KORVANEL_HARDENING_LINK_OPTIONS LDFLAGS)

    # dpkg 1.22 adds stack clash protection and branch protection (CET on
    # x86-64) to hardening=+all; Debian 12's dpkg 1.21 does not yet, so add
    # them here where the compiler knows them for this target.
    foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
        if(NOT flag IN_LIST KORVANEL_HARDENING_COMPILE_OPTIONS)
            string(MAKE_C_IDENTIFIER "KORVANEL_CXX_HAS${flag}" has_flag)
            # Clang takes a flag of another processor with a warning only.
            set(CMAKE_REQUIRED_FLAGS -Werror)
            check_cxx_compiler_flag(${flag} ${has_flag})
            unset(CMAKE_REQUIRED_FLAGS)
            if(${has_flag})
                list(APPEND KORVANEL_HARDENING_COMPILE_OPTIONS ${flag})
            endif()
        endif()
    endforeach()
else()
    message(STATUS "dpkg-buildflags not found: release builds are not hardened")
endif()

function(korvanel_hardened var)
    set(hardened OFF)
    if(DPKG_BUILDFLAGS AND NOT KORVANEL_SANITIZE
       AND CMAKE_BUILD_TYPE IN_LIST KORVANEL_HARDENED_CONFIGS)
        set(hardened ON)
    endif()
    set(${var} ${hardened} PARENT_SCOPE)
endfunction()

function(_korvanel_harden_one target)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    if(NOT DPKG_BUILDFLAGS OR KORVANEL_SANITIZE)
        return()
    endif()
    list(JOIN KORVANEL_HARDENED_CONFIGS "," configs)
    set(release "$<CONFIG:${configs}>")
    # BEFORE: the project's own options, -ffp-contract=off among them, come
    # later on the command line and so win over anything dpkg-buildflags
    # might bring in.
    target_compile_options(${target} BEFORE PRIVATE
        "$<${release}:${KORVANEL_HARDENING_COMPILE_OPTIONS}>")
    get_target_property(type ${target} TYPE)
    if(type MATCHES "EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY")
        target_link_options(${target} BEFORE PRIVATE
            "$<${release}:${KORVANEL_HARDENING_LINK_OPTIONS}>")
    endif()
endfunction()

# qt_add_resources() compiles a static library's resources into object
# libraries of their own, which the library passes on to whatever links it.
function(_korvanel_harden_object_libraries target)
    get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
        if(TARGET "${library}")
            get_target_property(type ${library} TYPE)
            if(type STREQUAL "OBJECT_LIBRARY")
                _korvanel_harden_one(${library})
            endif()
        endif()
    endforeach()
endfunction()

function(korvanel_harden target)
    _korvanel_harden_one(${target})
    # At the end of the directory, once every resource has been added. A
    # deferred call reads its arguments when it runs, hence the EVAL.
    cmake_language(EVAL CODE
        "cmake_language(DEFER CALL _korvanel_harden_object_libraries [[${target}]])")
endfunction()
