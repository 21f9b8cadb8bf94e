# Builds the list of names tallar2-cli draws from (data/imiona.txt) into the program, so it
# needs no data files at run time.

# Script mode: write OUTPUT from the file INPUT.
if(CMAKE_SCRIPT_MODE_FILE)
    file(READ "${INPUT}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(REGEX REPLACE "(('[^']*',){24})" "\\1\n    " bytes "${bytes}")
    file(WRITE "${OUTPUT}.tmp"
         "// Generated from data/imiona.txt by cli/EmbedNames.cmake; do not edit.\n"
         "#include \"cli/NameList.h\"\n\n"
         "namespace tallar::cli {\nnamespace {\nconst char kNames[] = {\n    ${bytes}};\n"
         "} // namespace\n\n"
         "std::string_view shippedNamesText() {\n"
         "    return std::string_view(kNames, ${size});\n}\n\n} // namespace tallar::cli\n")
    file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${OUTPUT}.tmp")
    return()
endif()

set(TALLAR_NAMES_FILE ${PROJECT_SOURCE_DIR}/data/imiona.txt)
set(TALLAR_NAMES_CPP ${CMAKE_CURRENT_BINARY_DIR}/generated/NameListData.cpp)
add_custom_command(
    OUTPUT ${TALLAR_NAMES_CPP}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${TALLAR_NAMES_CPP} -DINPUT=${TALLAR_NAMES_FILE}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/EmbedNames.cmake
    DEPENDS ${TALLAR_NAMES_FILE} ${CMAKE_CURRENT_SOURCE_DIR}/EmbedNames.cmake
    COMMENT "Embedding the list of names"
    VERBATIM)
