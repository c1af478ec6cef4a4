# The shared library exports exactly the routines kavlor.h declares, and the
# few the binding modules need besides (the readings of the record they size
# their buffers by, the stop of drawing after a failed callback, what the
# Python quick plots draw with): a linker version
# script made from the headers at configure time keeps everything else
# (internal routines, template instances of the C++ library) local.
set(KAVLOR_BINDING_HEADERS ${PROJECT_SOURCE_DIR}/kernel/binding_readings.h
                           ${PROJECT_SOURCE_DIR}/kernel/stopped_drawing.h
                           ${PROJECT_SOURCE_DIR}/graphics2d/quick_plot_services.h)
set(KAVLOR_EXPORT_HEADERS ${PROJECT_SOURCE_DIR}/include/kavlor.h ${KAVLOR_BINDING_HEADERS})
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
