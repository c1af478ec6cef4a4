# The shared library exports exactly the routines kavlor.h declares, and the
# readings of the record that the binding modules size their buffers by: a
# linker version script made from the two headers at configure time keeps
# everything else (internal routines, template instances of the C++ library)
# local.
set(KAVLOR_EXPORT_HEADERS ${PROJECT_SOURCE_DIR}/include/kavlor.h
                          ${PROJECT_SOURCE_DIR}/kernel/binding_readings.h)
set(kavlor_api_lines "")
foreach(header IN LISTS KAVLOR_EXPORT_HEADERS)
    file(STRINGS ${header} header_lines REGEX "^KAVLOR_API ")
    list(APPEND kavlor_api_lines ${header_lines})
endforeach()
set(kavlor_exports "")
foreach(line IN LISTS kavlor_api_lines)
    if(line MATCHES "([A-Za-z_][A-Za-z0-9_]*)\\(")
        string(APPEND kavlor_exports "        ${CMAKE_MATCH_1};\n")
    endif()
endforeach()
set(KAVLOR_EXPORT_MAP ${PROJECT_BINARY_DIR}/kavlor.map)
file(WRITE ${KAVLOR_EXPORT_MAP} "{\n    global:\n${kavlor_exports}    local: *;\n};\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KAVLOR_EXPORT_HEADERS})
