# Run at install time: installs beside the programs the DLLs that the programs and plugins
# import, followed recursively through the import tables that OBJDUMP reads, looked up in
# SEARCH_DIRS. A DLL found in none of them is Windows' own and is left out.
#
# CMake's file(GET_RUNTIME_DEPENDENCIES) does the same, but it lower-cases the names it reads,
# and on the build machine's file system "qt6core.dll" is not Qt6Core.dll.
#
# Variables: OBJDUMP, SEARCH_DIRS (a list), ROOTS (the installed programs and plugins).
cmake_policy(PUSH)
cmake_policy(VERSION 3.25)
foreach(dir IN LISTS SEARCH_DIRS)
    file(GLOB dlls LIST_DIRECTORIES false "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED path_${key})
            set(path_${key} "${dll}")
        endif()
    endforeach()
endforeach()

set(queue ${ROOTS})
set(seen)
set(shipped)
set(windows_own)
while(queue)
    list(POP_FRONT queue binary)
    execute_process(COMMAND "${OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" names "${headers}")
    foreach(line IN LISTS names)
        string(REGEX REPLACE "^DLL Name: " "" name "${line}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        if(DEFINED path_${key})
            list(APPEND shipped "${path_${key}}")
            list(APPEND queue "${path_${key}}")
        else()
            list(APPEND windows_own ${name})
        endif()
    endforeach()
endwhile()

list(SORT windows_own CASE INSENSITIVE)
message(STATUS "Windows' own DLLs, not shipped: ${windows_own}")
file(INSTALL ${shipped} DESTINATION "${CMAKE_INSTALL_PREFIX}")
cmake_policy(POP)
