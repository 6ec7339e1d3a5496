# How the programs' files are laid out, in the build tree as where installed.

# Versions, run path and installation of one of the private shared libraries:
# every library carries the project's version and its major number as
# soname, finds its sibling libraries beside itself, and is installed without
# the development symlink (no headers are installed to build against it).
function(corvane_private_library target)
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} LIBRARY DESTINATION ${CORVANE_PRIVATE_LIBDIR} NAMELINK_SKIP)
endfunction()

# The sizes of the PNG renderings of each program's icon, for desktops and
# panels that do not draw the scalable one.
set(CORVANE_ICON_SIZES 16 24 32 48 64 128 256)

# A program's icon in the hicolor theme under the name its desktop entry
# gives: the scalable SVG, and PNG renderings of it drawn by svgtopng at build
# time into build/share/icons, installed to share/icons.
function(corvane_program_icon svg name)
    set(icons ${CMAKE_BINARY_DIR}/share/icons/hicolor)
    set(scalable ${icons}/scalable/apps/${name}.svg)
    configure_file(${svg} ${scalable} COPYONLY)
    install(FILES ${scalable} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    set(renderings)
    foreach(size ${CORVANE_ICON_SIZES})
        set(folder ${icons}/${size}x${size}/apps)
        add_custom_command(OUTPUT ${folder}/${name}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:svgtopng> ${size} ${folder} ${scalable}
            DEPENDS svgtopng ${scalable}
            COMMENT "Rendering the icon ${name} at ${size} pixels"
            VERBATIM)
        list(APPEND renderings ${folder}/${name}.png)
        install(FILES ${folder}/${name}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(${name}-icon ALL DEPENDS ${renderings})
endfunction()

# A program's manual page (section 1) from its template, with the version and
# release date filled in, into build/share/man/man1 and installed to
# share/man/man1.
function(corvane_manual_page template)
    get_filename_component(name ${template} NAME_WLE)
    set(page ${CMAKE_BINARY_DIR}/share/man/man1/${name})
    configure_file(${template} ${page} @ONLY)
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# A program's AppStream file from its template, with this release's version
# and date, into build/share/metainfo and installed to share/metainfo.
function(corvane_metainfo template)
    get_filename_component(name ${template} NAME_WLE)
    set(metainfo ${CMAKE_BINARY_DIR}/share/metainfo/${name})
    configure_file(${template} ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endfunction()

# Hardening of a program: fortified C library calls and stack protection
# where it is compiled with optimisation, and read-only relocations after
# start; with BIND_NOW also all symbols bound at start (for the privileged
# helper; the Qt programs would pay for it at every start). Each is left to
# the builder where the builder's own flags (CXXFLAGS, LDFLAGS, as
# dpkg-buildflags gives them) already choose it.
function(corvane_harden target)
    cmake_parse_arguments(HARDEN "BIND_NOW" "" "" ${ARGN})
    set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        target_compile_options(${target} PRIVATE "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    endif()
    if(NOT CMAKE_CXX_FLAGS MATCHES "stack-protector")
        target_compile_options(${target} PRIVATE -fstack-protector-strong)
    endif()
    if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "relro")
        target_link_options(${target} PRIVATE LINKER:-z,relro)
    endif()
    if(HARDEN_BIND_NOW AND NOT CMAKE_EXE_LINKER_FLAGS MATCHES "-z,?(now|lazy)")
        target_link_options(${target} PRIVATE LINKER:-z,now)
    endif()
endfunction()
