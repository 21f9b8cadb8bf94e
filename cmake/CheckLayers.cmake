# Script mode (cmake -P): fails when a file of a layer includes a header of a layer that
# its layer does not use. SOURCE_DIR is the source tree, TABLE the table written by
# tallar_check_layers(): entries "dir=allowed,allowed,…", one per layer.
cmake_minimum_required(VERSION 3.21)
include(${TABLE})

set(dirs)
foreach(entry IN LISTS LAYER_TABLE)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 dir)
    list(GET parts 1 allowed)
    string(REPLACE "," ";" allowed "${allowed}")
    set(allowed_${dir} ${allowed})
    list(APPEND dirs ${dir})
endforeach()

# The layer a path inside the source tree belongs to: the longest layer folder holding it.
function(layer_of path outVar)
    set(best "")
    foreach(dir IN LISTS dirs)
        string(LENGTH "${dir}" length)
        string(LENGTH "${best}" bestLength)
        if(path MATCHES "^${dir}/" AND length GREATER bestLength)
            set(best ${dir})
        endif()
    endforeach()
    set(${outVar} "${best}" PARENT_SCOPE)
endfunction()

set(broken 0)
foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${dir}/*.h
         ${SOURCE_DIR}/${dir}/*.cpp)
    foreach(file IN LISTS files)
        layer_of(${file} owner)
        if(NOT owner STREQUAL dir)
            continue() # a file of a layer in a subfolder, checked with that layer
        endif()
        file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included
                                 "${line}")
            layer_of(${included} target)
            if(target STREQUAL "" OR target IN_LIST allowed_${dir})
                continue() # not a layer's header (a test helper), or one the layer may use
            endif()
            string(REPLACE ";" ", " allowedText "${allowed_${dir}}")
            message(SEND_ERROR "${file} includes \"${included}\" of the layer ${target}.\n"
                               "The layer ${dir} may include only from: ${allowedText}.\n"
                               "(Layers and what they use: docs/ARCHITECTURE.md.)")
            math(EXPR broken "${broken} + 1")
        endforeach()
    endforeach()
endforeach()
if(broken)
    message(FATAL_ERROR "${broken} include(s) break the layer order.")
endif()
