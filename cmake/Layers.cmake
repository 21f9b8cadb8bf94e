# The layers of the program. Each layer is a folder and one static library that declares the
# layers it uses; its files may include only its own headers and those of the layers it uses,
# directly or through them. `tallar_check_layers()` adds a build step that enforces this for
# header-only includes too, which linking alone would not catch (cmake/CheckLayers.cmake).

# A layer library of the files in the current folder: tallar_layer(TARGET USES … SOURCES …).
function(tallar_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES;LINKS;SOURCES")
    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${arg_USES} ${arg_LINKS} PRIVATE tallar_options)
    tallar_layer_rule(${target} DIR ${CMAKE_CURRENT_SOURCE_DIR} USES ${arg_USES})
endfunction()

# Puts the files of DIR under the layer rule of `target`: they may include from DIR and from
# the layers in USES. Without DIR the target only groups the layers it uses (an interface).
function(tallar_layer_rule target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DIR" "USES")
    set(allowed)
    foreach(used IN LISTS arg_USES)
        get_property(known TARGET ${used} PROPERTY TALLAR_LAYER_ALLOWED SET)
        if(NOT known)
            message(FATAL_ERROR "${target} uses ${used}, which is no layer declared before it")
        endif()
        get_target_property(usedAllowed ${used} TALLAR_LAYER_ALLOWED)
        list(APPEND allowed ${usedAllowed})
    endforeach()
    if(arg_DIR)
        file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR} ${arg_DIR})
        list(PREPEND allowed ${dir})
        list(REMOVE_DUPLICATES allowed)
        string(REPLACE ";" "," allowedText "${allowed}")
        set_property(GLOBAL APPEND PROPERTY TALLAR_LAYER_TABLE "${dir}=${allowedText}")
        set_property(GLOBAL APPEND PROPERTY TALLAR_LAYER_DIRS ${dir})
        set_property(GLOBAL APPEND PROPERTY TALLAR_LAYER_TARGETS ${target})
    endif()
    list(REMOVE_DUPLICATES allowed)
    set_property(TARGET ${target} PROPERTY TALLAR_LAYER_ALLOWED ${allowed})
endfunction()

# The build step that checks every registered folder's includes; every layer target waits
# for it, so a wrong include stops the build before anything is compiled.
function(tallar_check_layers)
    get_property(table GLOBAL PROPERTY TALLAR_LAYER_TABLE)
    get_property(dirs GLOBAL PROPERTY TALLAR_LAYER_DIRS)
    get_property(targets GLOBAL PROPERTY TALLAR_LAYER_TARGETS)
    set(tableFile ${CMAKE_BINARY_DIR}/LayerTable.cmake)
    file(CONFIGURE OUTPUT ${tableFile} CONTENT "set(LAYER_TABLE \"${table}\")\n")
    set(files)
    foreach(dir IN LISTS dirs)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.h
             ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(stamp ${CMAKE_BINARY_DIR}/layers.checked)
    set(script ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DTABLE=${tableFile}
                -P ${script}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${files} ${script} ${tableFile}
        COMMENT "Checking the includes of the layers"
        VERBATIM)
    add_custom_target(tallar_layer_check DEPENDS ${stamp})
    foreach(target IN LISTS targets)
        add_dependencies(${target} tallar_layer_check)
    endforeach()
endfunction()
