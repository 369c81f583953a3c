# Makes one help page of the desktop program from a page of the manual in docs/, so that the two
# are written once. Run at build time:
#
#   cmake -DCMARK=cmark-gfm -DSOURCE=docs/user-guide.md -DTEMPLATE=page.html.in -DOUTPUT=help/Vantrel.html
#         -DPAGES=user-guide.md=Vantrel.html,real-radio.md=RealRadioLinux.html -P HelpPage.cmake
#
# A link to a page of PAGES becomes a link to its help page; a link to any other page of the manual
# (which the help does not ship) shows as its text alone. The page's title is its first heading.

execute_process(COMMAND ${CMARK} --extension table --unsafe ${SOURCE}
                OUTPUT_VARIABLE body ERROR_VARIABLE problem RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CMARK} could not read ${SOURCE}: ${problem}")
endif()

string(REPLACE "," ";" PAGES "${PAGES}")
foreach(page IN LISTS PAGES)
  string(REPLACE "=" ";" page "${page}")
  list(GET page 0 markdown)
  list(GET page 1 html)
  string(REPLACE "href=\"${markdown}" "href=\"${html}" body "${body}")
endforeach()
string(REGEX REPLACE "<a href=\"[^\":]*\\.md(#[^\"]*)?\">([^<]*)</a>" "\\2" body "${body}")
if(body MATCHES "href=\"[^\":]*\\.md[#\"]")
  message(FATAL_ERROR "${SOURCE} links to a page that is no help page with markup in the link's text; "
                      "the help cannot show such a link as plain text")
endif()

if(NOT body MATCHES "<h1>([^\n]*)</h1>")
  message(FATAL_ERROR "${SOURCE} has no heading of the first level to name its help page")
endif()
string(REGEX REPLACE "<[^>]*>" "" title "${CMAKE_MATCH_1}")

file(READ ${TEMPLATE} page)
string(REPLACE "@TITLE@" "Vantrel help: ${title}" page "${page}")
string(REPLACE "@BODY@" "${body}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
