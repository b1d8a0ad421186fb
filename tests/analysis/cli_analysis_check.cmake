# Runs zorvek-cli (CLI=path) with --analysis and --murphree and checks the members they add to the JSON.
# Usage: cmake -DCLI=... -DWORK=<scratch folder> -P cli_analysis_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cli_helpers.cmake)

# The start-up case: constant alpha, the q-line pinch governs and equals the design's Rmin.
run_cli(json code --json --analysis --murphree 1)
expect("exit status" "${code}" "0")
string(JSON rmin GET "${json}" texts Rmin)
expect("Rmin text" "${rmin}" "1.7882")
string(JSON rtrue GET "${json}" analysis RminTrue)
expect("RminTrue" "${rtrue}" "1.7881720260374701")
string(JSON kind GET "${json}" analysis pinch kind)
expect("pinch kind" "${kind}" "q-line")
string(JSON fenske TYPE "${json}" analysis NminFenske)
expect("Fenske present" "${fenske}" "NUMBER")
string(JSON points LENGTH "${json}" analysis RN)
expect("R-N points" "${points}" "100")
string(JSON pair LENGTH "${json}" analysis RN 0)
expect("an R-N pair" "${pair}" "2")
string(JSON reason GET "${json}" analysis reasonENG)
expect("no reason when solved" "${reason}" "")
string(JSON azeotropes LENGTH "${json}" analysis azeotropes)
expect("no azeotropes" "${azeotropes}" "0")
# Murphree at E = 1 is the design's own stepping.
string(JSON npt GET "${json}" NPT)
string(JSON murphree GET "${json}" murphree N)
expect("Murphree N at E = 1" "${murphree}" "${npt}")

# A rejected case keeps its error line and still carries the analysis, with the reason.
run_cli(json code --json --analysis --r 1 --lang ESP)
expect("rejected exit status" "${code}" "1")
string(JSON error GET "${json}" error)
expect("error line unchanged" "${error}" "ERROR: Relación de reflujo inferior a la mínima")
string(JSON reason GET "${json}" analysis reasonESP)
expect_contains("Spanish reason" "${reason}" "no supera la mínima del punto de contacto de la recta q")
string(JSON reason GET "${json}" analysis reasonENG)
expect_contains("English reason" "${reason}" "Choose R above 1.7882")
string(JSON rtrue GET "${json}" analysis RminTrue)
expect("RminTrue of a rejected case" "${rtrue}" "1.7881720260374701")

# A table with an azeotrope at 0.89 and a distillate beyond it: no minimum, the azeotrope's reason.
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/azeotrope.vle" "[[\n0.1 0.205751\n0.2 0.350957\n0.3 0.460839\n0.4 0.548986\n0.5 0.623679\n"
                                   "0.6 0.690704\n0.7 0.754933\n0.8 0.821643\n0.89 0.89\n0.95 0.944686\n]]\n")
run_cli(json code --json --analysis --table "${WORK}/azeotrope.vle" --q 1 --zf 0.5 --xd 0.95 --xb 0.05)
expect("azeotrope exit status" "${code}" "1")
string(JSON x GET "${json}" analysis azeotropes 0)
expect("azeotrope" "${x}" "0.89000000000000001")
string(JSON rtrue TYPE "${json}" analysis RminTrue)
expect("no true minimum" "${rtrue}" "NULL")
string(JSON fenske TYPE "${json}" analysis NminFenske)
expect("no Fenske in the table model" "${fenske}" "NULL")
string(JSON reason GET "${json}" analysis reasonENG)
expect_contains("azeotrope reason" "${reason}" "lies beyond the azeotrope of the table at x = 0.89")

# Without --json the analysis follows the result lines.
run_cli(out code --analysis --lang ENG)
expect_contains("plain output" "${out}" "True minimum reflux ratio: 1.7882 (q-line pinch")

# A Murphree efficiency outside 0 < E <= 1 is a usage error.
run_cli(out code --murphree 0)
expect("bad efficiency exit status" "${code}" "2")
run_cli(out code --murphree 1.2)
expect("bad efficiency exit status" "${code}" "2")
