# SPDX-License-Identifier: GPL-3.0-or-later
# The first step of an installation: notes every folder that exists on the way to each
# installation root and inside it, before anything is installed.
# In: ardesino_install_roots (relative to the prefix), ardesino_build_dir.
cmake_policy(VERSION 3.25) # install scripts run with no policies set
include("${CMAKE_CURRENT_LIST_DIR}/install_folders.cmake")

set(ardesino_folders_before "")
foreach(root IN LISTS ardesino_install_roots)
    ardesino_folder_and_parents("${ardesino_prefix}/${root}" chain)
    foreach(folder IN LISTS chain)
        if(IS_DIRECTORY "$ENV{DESTDIR}${folder}")
            list(APPEND ardesino_folders_before "${folder}")
        endif()
    endforeach()
    if(IS_DIRECTORY "$ENV{DESTDIR}${ardesino_prefix}/${root}")
        file(GLOB_RECURSE inside LIST_DIRECTORIES true "$ENV{DESTDIR}${ardesino_prefix}/${root}/*")
        foreach(entry IN LISTS inside)
            if(IS_DIRECTORY "${entry}")
                string(LENGTH "$ENV{DESTDIR}" destdir_length)
                string(SUBSTRING "${entry}" ${destdir_length} -1 folder)
                list(APPEND ardesino_folders_before "${folder}")
            endif()
        endforeach()
    endif()
endforeach()
list(REMOVE_DUPLICATES ardesino_folders_before)
