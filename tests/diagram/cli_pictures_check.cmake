# zorvek-cli --png/--size/--svg: the PNG has the size asked for, the SVG holds the lines as polylines, a
# rejected case is drawn as far as it got (exit status 1), a bad size is a usage error.
# Usage: cmake -DCLI=... -DWORK=<folder> -P cli_pictures_check.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CLI} --png "${WORK}/d.png" --size 800x600 --svg "${WORK}/d.svg" --lang ESP
                RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "solved case: exit status ${code}")
endif()
# The PNG header: width and height are the big-endian words at bytes 16 and 20.
file(READ "${WORK}/d.png" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 32 8 width)
string(SUBSTRING "${header}" 40 8 height)
if(NOT width STREQUAL "00000320" OR NOT height STREQUAL "00000258")
  message(FATAL_ERROR "PNG of ${width} x ${height} (hex), expected 800 x 600")
endif()
file(READ "${WORK}/d.svg" svg)
foreach(expected "<polyline" "stroke=\"#c80000\"" "stroke=\"#c8a000\"" "Recta operativa de enriquecimiento")
  string(FIND "${svg}" "${expected}" hit)
  if(hit LESS 0)
    message(FATAL_ERROR "the SVG lacks '${expected}'")
  endif()
endforeach()
execute_process(COMMAND ${CLI} --xb 0.6 --png "${WORK}/rejected.png" OUTPUT_VARIABLE out ERROR_QUIET
                RESULT_VARIABLE code)
if(NOT code EQUAL 1 OR NOT EXISTS "${WORK}/rejected.png" OR NOT out MATCHES "greater than mole fraction in feed")
  message(FATAL_ERROR "rejected case: exit ${code}, output '${out}'")
endif()
execute_process(COMMAND ${CLI} --png "${WORK}/bad.png" --size 800 ERROR_VARIABLE err OUTPUT_QUIET
                RESULT_VARIABLE code)
if(NOT code EQUAL 2 OR EXISTS "${WORK}/bad.png" OR NOT err MATCHES "--size takes WxH")
  message(FATAL_ERROR "bad size: exit ${code}, error '${err}'")
endif()
