# Builds the sample rules into the core: every data/sample-rules/*.sql file becomes a byte
# array of a generated source, so the programs need no data files at run time.

# Script mode: write OUTPUT from the files listed in INPUTS (separated by "|").
if(CMAKE_SCRIPT_MODE_FILE)
    string(REPLACE "|" ";" inputs "${INPUTS}")
    set(body "")
    set(table "")
    set(index 0)
    foreach(input IN LISTS inputs)
        get_filename_component(name "${input}" NAME)
        file(READ "${input}" hex HEX)
        string(LENGTH "${hex}" hexLength)
        math(EXPR size "${hexLength} / 2")
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
        string(REGEX REPLACE "(('[^']*',){24})" "\\1\n    " bytes "${bytes}")
        string(APPEND body "const char kFile${index}[] = {\n    ${bytes}};\n")
        string(APPEND table "        {\"${name}\", std::string_view(kFile${index}, ${size})},\n")
        math(EXPR index "${index} + 1")
    endforeach()
    file(WRITE "${OUTPUT}.tmp"
         "// Generated from data/sample-rules by rules/data/EmbedSampleRules.cmake; do not edit.\n"
         "#include \"rules/data/SampleRulesData.h\"\n\n"
         "namespace tallar {\nnamespace {\n${body}} // namespace\n\n"
         "const std::vector<EmbeddedFile>& sampleRulesFiles() {\n"
         "    static const std::vector<EmbeddedFile> files = {\n${table}    };\n"
         "    return files;\n}\n\n} // namespace tallar\n")
    file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${OUTPUT}.tmp")
    return()
endif()

file(GLOB TALLAR_SAMPLE_RULES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/sample-rules/*.sql)
list(SORT TALLAR_SAMPLE_RULES)
string(REPLACE ";" "|" tallar_sample_rules_arg "${TALLAR_SAMPLE_RULES}")
set(TALLAR_SAMPLE_RULES_CPP ${CMAKE_CURRENT_BINARY_DIR}/generated/SampleRulesData.cpp)
add_custom_command(
    OUTPUT ${TALLAR_SAMPLE_RULES_CPP}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${TALLAR_SAMPLE_RULES_CPP}
            "-DINPUTS=${tallar_sample_rules_arg}"
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${TALLAR_SAMPLE_RULES} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Embedding the sample rules"
    VERBATIM)
