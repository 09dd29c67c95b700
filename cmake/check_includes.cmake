cmake_minimum_required(VERSION 3.25)
# Fails when a file listed in the file FILES includes a header of a folder outside ALLOWED
# (comma-separated), or, with QT off, a Qt header; and when a program file other than the one
# worker (parallel/side_by_side.cpp) and the recovery copy's own starts a thread of its own
# (<thread>, <future>, std::thread, std::async). Run by the build through
# hoprex_check_includes (layers.cmake).
string(REPLACE "," ";" allowed "${ALLOWED}")
file(READ ${FILES} files)
set(threads_allowed "/src/parallel/side_by_side\\.cpp$|/src/app/recovery_copy\\.(cpp|h)$")
# Until the profile reader and the writers run on one thread: their files keep their threads.
string(APPEND threads_allowed "|/src/files/")
set(faults "")
foreach(file IN LISTS files)
    if(file MATCHES "/src/[a-z_]+/[^/]+$" AND NOT file MATCHES "${threads_allowed}")
        file(STRINGS ${file} threads REGEX "#[ \t]*include[ \t]*<(thread|future)>|std::(thread|async)")
        foreach(line IN LISTS threads)
            string(APPEND faults "\n  ${file}: ${line} (threads only in parallel/side_by_side.cpp)")
        endforeach()
    endif()
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
            if(NOT CMAKE_MATCH_1 IN_LIST allowed)
                string(APPEND faults "\n  ${file}: ${line}")
            endif()
        elseif(NOT QT AND line MATCHES "#[ \t]*include[ \t]*<Q")
            string(APPEND faults "\n  ${file}: ${line} (no Qt in this layer)")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes across the layers (this folder may use ${ALLOWED}):${faults}")
endif()
