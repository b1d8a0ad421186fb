# Runs zorvek-cli (CLI=path) and checks its JSON, its exit codes and its table-file reading.
# Usage: cmake -DCLI=... -DWORK=<scratch folder> -P cli_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cli_helpers.cmake)

# The start-up case with the decimal comma.
run_cli(json code --json --decimal ,)
expect("exit status" "${code}" "0")
string(JSON ok GET "${json}" ok)
expect("ok" "${ok}" "ON")
foreach(pair "Rmin=1,7882" "qLine=y = -x + 0,92" "enrichingLine=y = 0,75x + 0,2125"
             "exhaustingLine=y = 1,4756x - 0,080854" "qPoint=xq = 0,40429;   yq = 0,51571"
             "pinchPoint=xm = 0,37478;   ym = 0,54522" "feedPlate=4,35" "plates=7,55")
  string(FIND "${pair}" "=" eq)
  string(SUBSTRING "${pair}" 0 ${eq} key)
  math(EXPR start "${eq} + 1")
  string(SUBSTRING "${pair}" ${start} -1 value)
  string(JSON text GET "${json}" texts ${key})
  expect("texts.${key}" "${text}" "${value}")
endforeach()
string(JSON npt GET "${json}" NPT)
expect("NPT" "${npt}" "7.5471225596293934")
string(JSON count LENGTH "${json}" stairPoints)
expect("stair points" "${count}" "17")
string(JSON x GET "${json}" stairPoints 1 0)
expect("second stair point x" "${x}" "0.73913043478260876")
string(JSON listing GET "${json}" stageListing)
string(FIND "${listing}" "0,7391  0,7668    " hit)
if(hit LESS 0)
  message(FATAL_ERROR "stage listing lacks the second row: ${listing}")
endif()

# A rejected case: exit 1 and the error line.
run_cli(json code --json --r 1 --lang ESP)
expect("rejected exit status" "${code}" "1")
string(JSON error GET "${json}" error)
expect("rejected error" "${error}" "ERROR: Relación de reflujo inferior a la mínima")

# Usage errors: exit 2.
run_cli(out code --lang FRA)
expect("bad language exit status" "${code}" "2")
run_cli(out code --r)
expect("missing value exit status" "${code}" "2")

# The table model from a table file (LF line ends, TAB and blank separators, decimal commas).
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/table.vle" "<A=Benzene>\n<B=Toluene>\n[[\n0.1  0.2\n0.3\t0.5\n0.6 0.8\n]]\n")
run_cli(json code --json --table "${WORK}/table.vle")
expect("table exit status" "${code}" "0")
string(JSON ok GET "${json}" ok)
expect("table ok" "${ok}" "ON")

file(WRITE "${WORK}/bad.vle" "<A=x>\n0.1 0.2\n")
run_cli(out code --table "${WORK}/bad.vle")
expect("no block exit status" "${code}" "2")
string(FIND "${out}" "ERROR: Invalid format:" hit)
if(hit LESS 0)
  message(FATAL_ERROR "no-block message missing: ${out}")
endif()
file(WRITE "${WORK}/rejected.vle" "[[\n0.3 0.4\n0.3 0.5\n]]\n")
run_cli(out code --table "${WORK}/rejected.vle")
expect("rejected table exit status" "${code}" "2")
expect("rejected table message" "${out}" "ERROR: Invalid data\n")
run_cli(out code --table "${WORK}/missing.vle")
expect("missing file exit status" "${code}" "2")
