# A desktop entry's Exec is the program's installed path, since desktops may
# start entries with a PATH that lacks /usr/games (root's does). The prefix is
# known for sure only at install time (CPack installs the package under /usr,
# a plain `cmake --install` under its own), so the entry is written then.

# vantorel_desktop_exec(PREFIX PROGRAM OUT): the Exec value that starts
# PROGRAM installed under PREFIX. A path with a blank or a character Exec
# reserves is quoted, the four that keep a meaning inside quotes escaped, and
# each escaping backslash doubled as a string value needs.
function(vantorel_desktop_exec prefix program out)
    set(exec "${prefix}/games/${program}")
    if(exec MATCHES "[^A-Za-z0-9/._+-]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\\\\\1" exec "${exec}")
        set(exec "\"${exec}\"")
    endif()
    set(${out} "${exec}" PARENT_SCOPE)
endfunction()

# vantorel_install_desktop_entry(TEMPLATE PROGRAM DATADIR): at install time,
# the entry configured from TEMPLATE (whose only variable left is Exec's) into
# DATADIR/applications under the prefix being installed to.
function(vantorel_install_desktop_entry template program datadir)
    vantorel_desktop_exec("${CMAKE_INSTALL_PREFIX}" ${program} VANTOREL_EXEC)
    get_filename_component(name "${template}" NAME_WLE)
    get_filename_component(folder "${template}" DIRECTORY)
    configure_file("${template}" "${folder}/installed/${name}" @ONLY)
    file(INSTALL "${folder}/installed/${name}"
        DESTINATION "${CMAKE_INSTALL_PREFIX}/${datadir}/applications")
endfunction()
