# The Debian changelog is the record of releases: its newest entry must be the version that
# project() names, and the date of that entry is the release date the metainfo and the
# manual pages carry. A version raised without a changelog entry stops the configuration
# here, not at lintian or in a user's software centre.

# parolex_release_date(CHANGELOG VERSION OUT_VAR): OUT_VAR = the newest entry's date, as
# YYYY-MM-DD.
function(parolex_release_date changelog version out_var)
    file(READ "${changelog}" text)
    if(NOT text MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
        message(FATAL_ERROR "${changelog} does not begin with a Debian changelog entry")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL version)
        message(FATAL_ERROR "The newest entry of ${changelog} is version ${CMAKE_MATCH_1}, "
                            "but the project is version ${version}: add an entry for ${version}.")
    endif()
    # The first trailer line is the newest entry's: " -- Name <mail>  Thu, 10 Dec 2026 ...".
    if(NOT text MATCHES "\n -- [^\n]+>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "The newest entry of ${changelog} has no trailer line with a date")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month EQUAL -1)
        message(FATAL_ERROR "The newest entry of ${changelog} has an unknown month ${CMAKE_MATCH_2}")
    endif()
    math(EXPR month "${month} + 1")
    if(month LESS 10)
        string(PREPEND month 0)
    endif()
    string(LENGTH "${day}" day_digits)
    if(day_digits EQUAL 1)
        string(PREPEND day 0)
    endif()
    set(${out_var} "${year}-${month}-${day}" PARENT_SCOPE)
endfunction()
