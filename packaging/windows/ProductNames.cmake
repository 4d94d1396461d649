# The names Windows shows for the program, taken from where the program and the Linux package
# already say them, so that the three never drift apart:
#   PAROLEX_TITLE         the product's title, and PAROLEX_URL its web address
#                         (engine/product/ProductInfo.h)
#   PAROLEX_DISPLAY_NAME  the Chinese name the desktop menu shows (Name[zh_CN] of the
#                         .desktop file): Start menu, Apps and features, the file description
#   PAROLEX_COMPANY       the maker, and PAROLEX_COPYRIGHT, the copyright line, from the
#                         Copyright field of packaging/debian/copyright
function(parolex_product_names)
    file(READ ${PROJECT_SOURCE_DIR}/engine/product/ProductInfo.h info)
    if(NOT info MATCHES "QString title\\(\\)[^}]*QStringLiteral\\(\"([^\"]+)\"\\)")
        message(FATAL_ERROR "no title() found in engine/product/ProductInfo.h")
    endif()
    set(PAROLEX_TITLE "${CMAKE_MATCH_1}" PARENT_SCOPE)
    if(NOT info MATCHES "QString webAddress\\(\\)[^}]*QStringLiteral\\(\"([^\"]+)\"\\)")
        message(FATAL_ERROR "no webAddress() found in engine/product/ProductInfo.h")
    endif()
    set(PAROLEX_URL "${CMAKE_MATCH_1}" PARENT_SCOPE)

    file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/example.morvik_parolex.parolex.desktop name
         REGEX "^Name\\[zh_CN\\]=" ENCODING UTF-8)
    if(NOT name)
        message(FATAL_ERROR "no Name[zh_CN] in packaging/example.morvik_parolex.parolex.desktop")
    endif()
    string(REGEX REPLACE "^Name\\[zh_CN\\]=" "" name "${name}")
    set(PAROLEX_DISPLAY_NAME "${name}" PARENT_SCOPE)

    file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/copyright copyright REGEX "^Copyright: " LIMIT_COUNT 1)
    if(NOT copyright MATCHES "^Copyright: ([0-9-]+) ([^<]+[^< ]) *<")
        message(FATAL_ERROR "no 'Copyright: YEAR NAME <mail>' in packaging/debian/copyright")
    endif()
    set(PAROLEX_COMPANY "${CMAKE_MATCH_2}" PARENT_SCOPE)
    set(PAROLEX_COPYRIGHT "Copyright © ${CMAKE_MATCH_1} ${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()
