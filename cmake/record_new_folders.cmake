# SPDX-License-Identifier: GPL-3.0-or-later
# The last step of an installation: writes the folders it made, the deepest first, beside
# the manifest, for scripts/uninstall.sh. A folder that the record of an earlier installation
# from this build into the same place lists stays listed while it exists: installing again
# over an installation finds its folders there. A file outside every root would leave its
# folders unnoted, so it stops the installation.
cmake_policy(VERSION 3.25) # install scripts run with no policies set
include("${CMAKE_CURRENT_LIST_DIR}/install_folders.cmake")

set(header "# made by installing into $ENV{DESTDIR}${ardesino_prefix}")
set(recorded_before "")
if(EXISTS "${ardesino_folder_record}")
    file(STRINGS "${ardesino_folder_record}" recorded_before)
    list(POP_FRONT recorded_before earlier_header)
    if(NOT earlier_header STREQUAL header)
        set(recorded_before "")
    endif()
endif()

set(made "")
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    set(under_a_root FALSE)
    foreach(root IN LISTS ardesino_install_roots)
        string(FIND "${file}" "${ardesino_prefix}/${root}/" at)
        if(at EQUAL 0)
            set(under_a_root TRUE)
        endif()
    endforeach()
    if(NOT under_a_root)
        message(FATAL_ERROR "${file} is under none of the installation roots "
                            "(${ardesino_install_roots}); add its folder to install_roots")
    endif()

    get_filename_component(folder "${file}" DIRECTORY)
    ardesino_folder_and_parents("${folder}" chain)
    foreach(folder IN LISTS chain)
        if(NOT IS_DIRECTORY "$ENV{DESTDIR}${folder}")
            continue()
        endif()
        if(NOT folder IN_LIST ardesino_folders_before OR folder IN_LIST recorded_before)
            list(APPEND made "${folder}")
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES made)
list(SORT made ORDER DESCENDING) # a folder sorts after the folders it holds
list(PREPEND made "${header}")
list(JOIN made "\n" lines)
file(WRITE "${ardesino_folder_record}" "${lines}\n")
