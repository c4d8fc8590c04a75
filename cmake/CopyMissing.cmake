# cmake -DSRC=<folder> -DDST=<folder> -P CopyMissing.cmake: copies the files of SRC that DST does not have yet.
# The data files beside the program are the user's to change (a letter list, a rhythm); a rebuild keeps them.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
    if(NOT f MATCHES "(^|/)\\.keep$" AND NOT EXISTS "${DST}/${f}")
        get_filename_component(dir "${DST}/${f}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        file(COPY "${SRC}/${f}" DESTINATION "${dir}")
    endif()
endforeach()
