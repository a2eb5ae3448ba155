# The one time stamp that the build and the package store, so that two builds of the same source
# give the same package byte for byte, wherever and whenever they run.
#
# SOURCE_DATE_EPOCH from the environment wins. Otherwise it is the time of the last commit, or,
# outside a git checkout, the date of the newest entry in dist/changelog. A checkout whose last
# commit cannot be read stops the build rather than give another package.

# Seconds since 1970 of a changelog trailer's date, as in "Mon, 07 Dec 2026 12:00:00 +0000".
function(ixa_changelog_epoch changelog result)
  file(STRINGS "${changelog}" trailers REGEX "^ -- ")
  list(GET trailers 0 trailer)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  if(NOT trailer MATCHES "([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9]+):([0-9]+):([0-9]+) ([-+])([0-9][0-9])([0-9][0-9])")
    message(FATAL_ERROR "${changelog}: no date in the newest entry's trailer: ${trailer}")
  endif()
  set(day ${CMAKE_MATCH_1})
  list(FIND months ${CMAKE_MATCH_2} month)
  math(EXPR month "${month} + 1")
  set(year ${CMAKE_MATCH_3})
  math(EXPR clock "${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6}")
  math(EXPR offset "${CMAKE_MATCH_7}(${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
  # Days since 1970-01-01 in the proleptic Gregorian calendar, counting years from March so that
  # the leap day comes last.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR dayOfYear "(153 * ((${month} + 9) % 12) + 2) / 5 + ${day} - 1")
  math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${dayOfYear} - 719468")
  math(EXPR epoch "${days} * 86400 + ${clock} - ${offset}")
  set(${result} ${epoch} PARENT_SCOPE)
endfunction()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(IXA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/.git" AND NOT GIT_FOUND)
    message(WARNING "git is not installed: the time stamp is dist/changelog's, not the last commit's, "
      "so the package differs from one built with git")
  elseif(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/.git")
    # Git refuses a checkout that another user owns (root building a user's clone, say) unless
    # told that it is safe; reading the last commit's time is.
    file(REAL_PATH "${CMAKE_CURRENT_SOURCE_DIR}" checkout)
    execute_process(COMMAND "${GIT_EXECUTABLE}" -c "safe.directory=${checkout}" log -1 --format=%ct
      WORKING_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" RESULT_VARIABLE failed
      OUTPUT_VARIABLE IXA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE why)
    if(failed OR NOT IXA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
      message(FATAL_ERROR "The last commit's time cannot be read, which the build stores as its time stamp: "
        "${why}Set SOURCE_DATE_EPOCH to the seconds since 1970 to build with another.")
    endif()
  else()
    ixa_changelog_epoch("${CMAKE_CURRENT_SOURCE_DIR}/dist/changelog" IXA_SOURCE_DATE_EPOCH)
  endif()
endif()
if(NOT IXA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${IXA_SOURCE_DATE_EPOCH}")
endif()
message(STATUS "Time stamp of the build (SOURCE_DATE_EPOCH): ${IXA_SOURCE_DATE_EPOCH}")

# Qt's resource compiler stores each picture's file time unless told otherwise, and a checkout
# gives the files the time of the checkout: the commands that generate files run with the stamp.
set_property(DIRECTORY PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${IXA_SOURCE_DATE_EPOCH}")

# CPack dates the package's files with it too; it reads this file as it starts.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDateEpoch.cmake")
file(CONFIGURE OUTPUT "${CPACK_PROJECT_CONFIG_FILE}" CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @IXA_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)

# No path of the source or build folder in what the compiler writes (debugging information, file
# names in messages): the build ID is a hash of all of it.
# The build folder is named last, as it wins where it lies inside the source folder.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${CMAKE_CURRENT_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_CURRENT_BINARY_DIR}=.>")
