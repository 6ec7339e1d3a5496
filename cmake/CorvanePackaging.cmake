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
