# Fills the installation medium from the build and writes the rows of the
# setup program's file table. Run by the build (setup/CMakeLists.txt) with
#   -DMANIFEST=rows -DMEDIUM=folder -DTABLE=instfiles.inc -DMSCOMPRESS=program
# Each row of the manifest: name on the medium | destination | file | how.
# A packed file lies on the medium compressed, as its name and "_"; a module
# is given the run path of the installation folder, one above its own. The
# size in the table is the file's own (expanded) size.
file(STRINGS ${MANIFEST} rows)
file(MAKE_DIRECTORY ${MEDIUM})
set(table "// Written by make_medium.cmake: name on the medium, destination, size.\n")
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 destination)
    list(GET fields 2 file)
    list(GET fields 3 how)
    file(REMOVE ${MEDIUM}/${name} ${MEDIUM}/${name}_)
    file(COPY_FILE ${file} ${MEDIUM}/${name})
    if(how STREQUAL "module")
        file(RPATH_SET FILE ${MEDIUM}/${name} NEW_RPATH "$ORIGIN/..")
    endif()
    file(SIZE ${MEDIUM}/${name} size)
    set(source ${name})
    # mscompress mangles files shorter than 16 bytes: they stay plain.
    if(how STREQUAL "packed" AND MSCOMPRESS AND size GREATER_EQUAL 16)
        execute_process(COMMAND ${MSCOMPRESS} ${MEDIUM}/${name} RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "mscompress failed on ${MEDIUM}/${name}")
        endif()
        file(REMOVE ${MEDIUM}/${name})
        set(source ${name}_)
    endif()
    string(APPEND table "    {\"${source}\", \"${destination}\", \"${size}\"},\n")
endforeach()
file(WRITE ${TABLE} "${table}")
