# What the zorvek-cli check scripts share: run the program (CLI=path) and compare what it printed.
# Included by the cli_*check.cmake scripts, which run with cmake -P.
function(run_cli out_var code_var)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
  set(${out_var} "${out}${err}" PARENT_SCOPE)
  set(${code_var} ${code} PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: got '${actual}', expected '${expected}'")
  endif()
endfunction()

function(expect_contains what text part)
  string(FIND "${text}" "${part}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${what}: '${part}' not found in '${text}'")
  endif()
endfunction()
