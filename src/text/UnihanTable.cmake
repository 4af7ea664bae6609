# The table of Chinese characters behind pinyin initials and stroke keys is generated from the
# Unihan database when the program is built (see text/gen/make_unihan_tables.cpp).
set(CADRE_UNIHAN_DIR /usr/share/unicode CACHE PATH
    "Folder holding the Unihan database files Unihan_*.txt.bz2 (Debian package unicode-data)")
find_program(CADRE_BZIP2 bzip2 REQUIRED)

set(cadre_unihan_files
    ${CADRE_UNIHAN_DIR}/Unihan_Readings.txt.bz2
    ${CADRE_UNIHAN_DIR}/Unihan_Variants.txt.bz2
    ${CADRE_UNIHAN_DIR}/Unihan_IRGSources.txt.bz2)
foreach(file IN LISTS cadre_unihan_files)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is missing: install unicode-data or set CADRE_UNIHAN_DIR")
    endif()
endforeach()

add_executable(cadre-make-unihan-tables ${CMAKE_CURRENT_LIST_DIR}/gen/make_unihan_tables.cpp)
set_target_properties(cadre-make-unihan-tables PROPERTIES AUTOMOC OFF)

set(cadre_unihan_table ${CMAKE_CURRENT_BINARY_DIR}/text/UnihanTableData.cpp)
add_custom_command(
    OUTPUT ${cadre_unihan_table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/text
    COMMAND ${CADRE_BZIP2} -dc ${cadre_unihan_files}
            | $<TARGET_FILE:cadre-make-unihan-tables> ${cadre_unihan_table}
    DEPENDS cadre-make-unihan-tables ${cadre_unihan_files}
    COMMENT "Generating the pinyin and stroke table from the Unihan database"
    VERBATIM)
target_sources(cadre_core PRIVATE ${cadre_unihan_table})
