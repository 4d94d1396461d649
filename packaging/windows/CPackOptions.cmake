# CPack reads this once for each package it builds.
# The zip holds one folder of the package's name, so that unpacking it never scatters DLLs
# into whatever folder the user unpacks into. The installer cannot have one (it installs into
# the folder the user picks) and CPack warns when asked.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
