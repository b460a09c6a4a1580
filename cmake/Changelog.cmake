# morvix_read_changelog(FILE): reads a changelog in Debian's format, the
# one record of the releases, and sets in the caller's scope
#   MORVIX_RELEASE_DATE       the first entry's date, YYYY-MM-DD
#   MORVIX_METAINFO_RELEASES  every entry as an AppStream <release> element
# The first entry must be the project's version: a release is written down
# before it is built.
function(morvix_read_changelog file)
  file(READ ${file} text)
  # Semicolons would split CMake's lists: they come back in the XML.
  string(REPLACE ";" "%SEMICOLON%" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(versions "")
  set(releases "")
  set(items "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
      set(version ${CMAKE_MATCH_1})
      list(APPEND versions ${version})
      set(items "")
    elseif(line MATCHES "^  \\* (.*)$")
      list(APPEND items "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$" AND items)
      # A continuation line belongs to the last item.
      list(POP_BACK items last)
      list(APPEND items "${last} ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
      list(FIND months ${CMAKE_MATCH_2} month)
      math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
      set(day ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_3})
      foreach(part month day)
        string(LENGTH "${${part}}" length)
        if(length EQUAL 1)
          set(${part} "0${${part}}")
        endif()
      endforeach()
      set(date "${year}-${month}-${day}")
      if(NOT DEFINED first_date)
        set(first_date ${date})
      endif()
      string(APPEND releases "    <release version=\"${version}\" date=\"${date}\">\n"
                             "      <description>\n        <ul>\n")
      foreach(item IN LISTS items)
        string(REPLACE "&" "&amp;" item "${item}")
        string(REPLACE "<" "&lt;" item "${item}")
        string(REPLACE ">" "&gt;" item "${item}")
        string(APPEND releases "          <li>${item}</li>\n")
      endforeach()
      string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
    endif()
  endforeach()

  list(GET versions 0 newest)
  if(NOT newest STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file}: the newest entry is ${newest}, the project's version ${PROJECT_VERSION}: "
                        "write the entry for ${PROJECT_VERSION} first")
  endif()
  string(REPLACE "%SEMICOLON%" ";" releases "${releases}")
  string(REGEX REPLACE "\n$" "" releases "${releases}")
  set(MORVIX_RELEASE_DATE ${first_date} PARENT_SCOPE)
  set(MORVIX_METAINFO_RELEASES "${releases}" PARENT_SCOPE)
endfunction()
