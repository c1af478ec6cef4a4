# The shared library exports exactly the routines kavlor.h declares: a linker
# version script made from the header at configure time keeps everything else
# (internal routines, template instances of the C++ library) local.
file(STRINGS ${PROJECT_SOURCE_DIR}/include/kavlor.h kavlor_api_lines REGEX "^KAVLOR_API ")
set(kavlor_exports "")
foreach(line IN LISTS kavlor_api_lines)
    if(line MATCHES "([A-Za-z_][A-Za-z0-9_]*)\\(")
        string(APPEND kavlor_exports "        ${CMAKE_MATCH_1};\n")
    endif()
endforeach()
set(KAVLOR_EXPORT_MAP ${PROJECT_BINARY_DIR}/kavlor.map)
file(WRITE ${KAVLOR_EXPORT_MAP} "{\n    global:\n${kavlor_exports}    local: *;\n};\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/kavlor.h)
