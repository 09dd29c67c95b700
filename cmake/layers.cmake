# The program's layers. Each source folder is one static library, hoprex_<folder>, that links
# only the layers it names with USES (and through them the layers below those). Its files may
# include headers of exactly these folders and of their own: check_includes.cmake reads them on
# every build and fails it on any other. A layer that names no LIBS and uses only such layers
# is pure C++ and includes no Qt header either.
#
#   hoprex_layer(<folder> [USES <layer>...] [LIBS <library>...])

set(HOPREX_CHECK_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)

# Checks on each build of `target` that `files` include headers of the folders in `allowed`
# only; `qt` says whether they may include Qt headers.
function(hoprex_check_includes target allowed qt)
    set(files ${ARGN})
    set(stamp ${CMAKE_BINARY_DIR}/include_checks/${target})
    file(WRITE ${stamp}.files "${files}")
    string(REPLACE ";" "," allowed "${allowed}")
    add_custom_command(
        OUTPUT ${stamp}.ok
        COMMAND ${CMAKE_COMMAND} -DFILES=${stamp}.files -DALLOWED=${allowed} -DQT=${qt}
                -P ${HOPREX_CHECK_INCLUDES}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}.ok
        DEPENDS ${files} ${HOPREX_CHECK_INCLUDES}
        COMMENT "Checking the includes of ${target} against its layer"
        VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp}.ok)
    add_dependencies(${target} ${target}_includes)
endfunction()

function(hoprex_layer folder)
    cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES;LIBS")
    set(allowed ${folder})
    set(qt OFF)
    if(LAYER_LIBS)
        set(qt ON)
    endif()
    foreach(below IN LISTS LAYER_USES)
        get_property(reach GLOBAL PROPERTY HOPREX_LAYER_${below})
        if(NOT reach)
            message(FATAL_ERROR "layer ${folder} uses ${below}, which is not defined before it")
        endif()
        list(APPEND allowed ${reach})
        get_property(below_qt GLOBAL PROPERTY HOPREX_LAYER_QT_${below})
        if(below_qt)
            set(qt ON)
        endif()
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY HOPREX_LAYER_${folder} ${allowed})
    set_property(GLOBAL PROPERTY HOPREX_LAYER_QT_${folder} ${qt})

    file(GLOB files CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    file(GLOB resources CONFIGURE_DEPENDS ${folder}/*.qrc)
    set(sources ${files} ${resources})
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(hoprex_${folder} STATIC ${sources})
    target_include_directories(hoprex_${folder} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    list(TRANSFORM LAYER_USES PREPEND hoprex_ OUTPUT_VARIABLE below)
    target_link_libraries(hoprex_${folder} PUBLIC ${below} ${LAYER_LIBS})
    if(qt)
        set_target_properties(hoprex_${folder} PROPERTIES AUTOMOC ON AUTORCC ON)
    endif()
    hoprex_check_includes(hoprex_${folder} "${allowed}" ${qt} ${files})
endfunction()

# The folders a layer may include, itself among them, and whether it may include Qt headers.
function(hoprex_layer_reach folder reach qt)
    get_property(folders GLOBAL PROPERTY HOPREX_LAYER_${folder})
    get_property(with_qt GLOBAL PROPERTY HOPREX_LAYER_QT_${folder})
    set(${reach} ${folders} PARENT_SCOPE)
    set(${qt} ${with_qt} PARENT_SCOPE)
endfunction()
