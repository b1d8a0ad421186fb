# zorvek-cli --pdf: a solved case gives two pages with the title, summary and stage table; a rejected
# case writes nothing and shows its error line. Usage: cmake -DCLI=... -DWORK=<folder> -P cli_pdf_check.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CLI} --pdf "${WORK}/case.pdf" --lang ESP --decimal , RESULT_VARIABLE code
                OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "solved case: exit status ${code}")
endif()
execute_process(COMMAND pdftotext "${WORK}/case.pdf" - OUTPUT_VARIABLE text RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "pdftotext (poppler-utils) could not read the PDF")
endif()
foreach(expected "Número de platos teóricos por el método McCabe-Thiele" "Destilación de mezcla binaria"
                 "Composición de los platos teóricos" "0,7391" "NPT = 7,5471")
  string(FIND "${text}" "${expected}" hit)
  if(hit LESS 0)
    message(FATAL_ERROR "the PDF lacks '${expected}':\n${text}")
  endif()
endforeach()
string(ASCII 12 formfeed) # pdftotext ends each page with one
string(REGEX MATCHALL "${formfeed}" pages "${text}")
list(LENGTH pages count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "expected 2 pages, got ${count}")
endif()
execute_process(COMMAND ${CLI} --xb 0.6 --pdf "${WORK}/rejected.pdf" OUTPUT_VARIABLE out ERROR_QUIET
                RESULT_VARIABLE code)
if(NOT code EQUAL 1 OR EXISTS "${WORK}/rejected.pdf" OR NOT out MATCHES "greater than mole fraction in feed")
  message(FATAL_ERROR "rejected case: exit ${code}, output '${out}'")
endif()
