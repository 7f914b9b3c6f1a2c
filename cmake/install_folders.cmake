# SPDX-License-Identifier: GPL-3.0-or-later
# What the folder record of an installation shares between its two steps: where the prefix
# is, where the record goes, and how a folder is found on disk under DESTDIR.

# The prefix as the manifest lists its files: absolute, without DESTDIR.
get_filename_component(ardesino_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)

# Named like the manifest, so that installing one component leaves the record of a whole
# installation alone.
if(CMAKE_INSTALL_COMPONENT)
    set(ardesino_folder_record "${ardesino_build_dir}/install_folders_${CMAKE_INSTALL_COMPONENT}.txt")
else()
    set(ardesino_folder_record "${ardesino_build_dir}/install_folders.txt")
endif()

# The folder and every folder above it, up to the file system's root.
function(ardesino_folder_and_parents folder out)
    set(chain "")
    while(NOT folder STREQUAL "/" AND NOT folder STREQUAL "")
        list(APPEND chain "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
    set(${out} "${chain}" PARENT_SCOPE)
endfunction()
