# kavlor_generate_wrappers(SOURCES_VAR [OUTPUTS file...] COMMENT text)
# The wrappers of a binding module, written by the folder's generate_wrappers.py
# from the signature table into generated/ of its build folder, in four parts
# that compile side by side. SOURCES_VAR gets the four parts and the OUTPUTS
# (files the generator writes besides, named within generated/). The wrappers
# are written again when the table, its loader, the generators or kavlor.h
# change.
function(kavlor_generate_wrappers sources_var)
    cmake_parse_arguments(ARG "" "COMMENT" "OUTPUTS" ${ARGN})
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
    set(outputs ${dir}/wrappers_1.cpp ${dir}/wrappers_2.cpp ${dir}/wrappers_3.cpp
                ${dir}/wrappers_4.cpp)
    foreach(output IN LISTS ARG_OUTPUTS)
        list(APPEND outputs ${dir}/${output})
    endforeach()
    set(bindings ${PROJECT_SOURCE_DIR}/bindings)
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${KAVLOR_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/generate_wrappers.py
                ${bindings} ${PROJECT_SOURCE_DIR}/include/kavlor.h ${dir} 4
        DEPENDS generate_wrappers.py
                ${bindings}/signatures.txt
                ${bindings}/python_only.txt
                ${bindings}/signatures.py
                ${bindings}/generation.py
                ${PROJECT_SOURCE_DIR}/include/kavlor.h
        COMMENT ${ARG_COMMENT}
        VERBATIM)
    set(${sources_var} ${outputs} PARENT_SCOPE)
endfunction()
