# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the menu entry with Exec naming the installed program by its absolute path: a
# desktop lists an entry only when it finds the entry's program, and the prefix's bin folder
# (~/.local/bin, say) need not be on PATH.
# In: ardesino_desktop_entry (the entry as written, with "Exec=ardesino"), ardesino_program
# and ardesino_applications_dir (relative to the prefix, or absolute), ardesino_build_dir.
cmake_policy(VERSION 3.25) # install scripts run with no policies set

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
foreach(path IN ITEMS ardesino_program ardesino_applications_dir)
    if(NOT IS_ABSOLUTE "${${path}}")
        set(${path} "${prefix}/${${path}}")
    endif()
endforeach()

# A desktop entry's Exec quotes an argument with a reserved character in double quotes, with
# ", `, $ and \ escaped inside; the value itself then escapes each \ and each %.
set(exec "${ardesino_program}")
if(exec MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")

file(READ "${ardesino_desktop_entry}" entry)
set(as_written "\nExec=ardesino\n")
string(FIND "${entry}" "${as_written}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${ardesino_desktop_entry} has no line \"Exec=ardesino\"")
endif()
string(REPLACE "${as_written}" "\nExec=${exec}\n" entry "${entry}")

# Written in a folder of its own per destination, since two installations may run at once.
string(MD5 destination "$ENV{DESTDIR}${ardesino_applications_dir}")
get_filename_component(name "${ardesino_desktop_entry}" NAME)
set(staging "${ardesino_build_dir}/desktop-entry-${destination}")
file(WRITE "${staging}/${name}" "${entry}")
file(INSTALL DESTINATION "${ardesino_applications_dir}" TYPE FILE FILES "${staging}/${name}")
file(REMOVE_RECURSE "${staging}")
