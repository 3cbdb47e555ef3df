# SPDX-FileCopyrightText: The Tamblewin developers
# SPDX-License-Identifier: MIT
#
# Reads packaging/changelog, the Debian changelog of the releases (newest first),
# which the package carries as it is and the AppStream metadata as its releases.
#
#   tamblewin_read_changelog(FILE PREFIX) sets, in the caller's scope:
#     PREFIX_VERSION    the newest entry's version
#     PREFIX_DATE       its date, YYYY-MM-DD
#     PREFIX_EPOCH      its date and time in seconds since 1970-01-01 UTC
#     PREFIX_APPSTREAM  an AppStream <release> element for every entry, with its
#                       items as a list

# Days from 1970-01-01 to the given day of the proleptic Gregorian calendar.
function(_tamblewin_days_from_civil year month day out)
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR shifted "${month} + 9")
  else()
    math(EXPR shifted "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${shifted} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  set(${out} ${days} PARENT_SCOPE)
endfunction()

# A line of the changelog as XML text; the semicolons held back while the lines
# were a list come back.
function(_tamblewin_xml_text text out)
  string(REPLACE "<semicolon>" ";" text "${text}")
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(tamblewin_read_changelog file prefix)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  file(READ "${file}" text)
  # One list entry per line, the semicolons held back.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(releases "")
  set(version "")
  set(items "")
  set(item "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\) ")
      set(version "${CMAKE_MATCH_1}")
      set(items "")
    elseif(line MATCHES "^  \\* (.*)$")
      if(item)
        string(APPEND items "          <li>${item}</li>\n")
      endif()
      _tamblewin_xml_text("${CMAKE_MATCH_1}" item)
    elseif(line MATCHES "^    +(.*)$" AND item)
      _tamblewin_xml_text("${CMAKE_MATCH_1}" more)
      string(APPEND item " ${more}")
    elseif(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([+-])([0-9][0-9])([0-9][0-9])$")
      if(NOT version)
        message(FATAL_ERROR "${file}: a closing line without its entry: ${line}")
      endif()
      set(day ${CMAKE_MATCH_1})
      list(FIND months "${CMAKE_MATCH_2}" month)
      set(year ${CMAKE_MATCH_3})
      math(EXPR seconds "${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6}")
      math(EXPR offset "${CMAKE_MATCH_7}(${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
      if(month LESS 0)
        message(FATAL_ERROR "${file}: no month '${CMAKE_MATCH_2}' in: ${line}")
      endif()
      math(EXPR month "${month} + 1")
      if(item)
        string(APPEND items "          <li>${item}</li>\n")
        set(item "")
      endif()
      string(LENGTH "0${month}" length)
      math(EXPR length "${length} - 2")
      string(SUBSTRING "0${month}" ${length} 2 month_text)
      string(LENGTH "0${day}" length)
      math(EXPR length "${length} - 2")
      string(SUBSTRING "0${day}" ${length} 2 day_text)
      set(date "${year}-${month_text}-${day_text}")
      if(NOT releases)
        _tamblewin_days_from_civil(${year} ${month} ${day} days)
        math(EXPR epoch "${days} * 86400 + ${seconds} - ${offset}")
        set(${prefix}_VERSION "${version}" PARENT_SCOPE)
        set(${prefix}_DATE "${date}" PARENT_SCOPE)
        set(${prefix}_EPOCH "${epoch}" PARENT_SCOPE)
      endif()
      string(APPEND releases
        "    <release version=\"${version}\" date=\"${date}\">\n"
        "      <description>\n"
        "        <ul>\n"
        "${items}"
        "        </ul>\n"
        "      </description>\n"
        "    </release>\n")
      set(version "")
    endif()
  endforeach()
  if(NOT releases)
    message(FATAL_ERROR "${file} holds no complete entry")
  endif()
  set(${prefix}_APPSTREAM "${releases}" PARENT_SCOPE)
endfunction()
