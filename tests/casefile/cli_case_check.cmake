# Runs zorvek-cli (CLI=path) with --case and --save: a saved case solves as the options that made it,
# options beside --case override single fields, the table model comes from the file, and unreadable,
# rejected or unwritable files exit with status 2 and their message.
# Usage: cmake -DCLI=... -DWORK=<scratch folder> -P cli_case_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cli_helpers.cmake)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# --save writes the 112-line case; --case solves it the same as the options did.
run_cli(direct code --json --xd 0.9 --q 1)
run_cli(out code --save "${WORK}/a.mct" --xd 0.9 --q 1)
expect("save exit status" "${code}" "0")
# file(READ) drops CR, so the CR LF line ends are counted in the hexadecimal form.
file(READ "${WORK}/a.mct" saved_hex HEX)
string(LENGTH "${saved_hex}" with_ends)
string(REPLACE "0d0a" "" stripped "${saved_hex}")
string(LENGTH "${stripped}" without_ends)
math(EXPR lines "(${with_ends} - ${without_ends}) / 4")
expect("saved lines" "${lines}" "112")
file(READ "${WORK}/a.mct" saved)
expect_contains("saved case" "${saved}" "<Q=1>\n<ZF=0.46>\n<XB=0.17>\n<XD=0.9>\n<R=3>\n<E=1>\n<VLE=ALPHA>\n[[\n0\t0\n.05\t")
run_cli(reopened code --json --case "${WORK}/a.mct")
expect("reopened exit status" "${code}" "0")
expect("reopened result" "${reopened}" "${direct}")

# An option beside --case overrides its field only.
run_cli(json code --json --case "${WORK}/a.mct" --r 4)
string(JSON line GET "${json}" texts enrichingLine)
expect("overridden R" "${line}" "y = 0.8x + 0.18")

# The table model from the case file solves as the same table given with --table.
file(WRITE "${WORK}/t.mct" "<A=Benceno>\r\n<B=Tolueno>\r\n<ALPHA=2><Q=0.5><ZF=0.46><XB=0.17><XD=0.85><R=3><E=1>\r\n<VLE=TABLE>\r\n[[\r\n0.1\t0.2\r\n0.3 0.5\r\n0,6 0,8\r\n]]\r\n")
run_cli(fromcase code --json --case "${WORK}/t.mct")
expect("table case exit status" "${code}" "0")
run_cli(fromtable code --json --table "${WORK}/t.mct")
expect("table case result" "${fromcase}" "${fromtable}")
run_cli(out code --case "${WORK}/t.mct" --save "${WORK}/t2.mct")
file(READ "${WORK}/t2.mct" resaved)
expect_contains("resaved table case" "${resaved}" "<A=Benceno>\n<B=Tolueno>\n")
expect_contains("resaved table case" "${resaved}" "<VLE=TABLE>\n[[\n0\t0\n.1\t.2\n.3\t.5\n.6\t.8\n1\t1\n-1\t-1\n")

# Files that cannot be used: exit 2 with the message.
file(WRITE "${WORK}/bad.mct" "<VLE=TABLE>\r\n[[\r\n0.3\t0.5\r\n0.3\t0.6\r\n]]\r\n")
run_cli(out code --case "${WORK}/bad.mct" --lang ESP)
expect("rejected table exit status" "${code}" "2")
expect("rejected table message" "${out}" "ERROR: Los valores no son consecutivos\n")
run_cli(out code --case "${WORK}/missing.mct")
expect("missing file exit status" "${code}" "2")
expect("missing file message" "${out}" "ERROR: Invalid format: ${WORK}/missing.mct\n")
file(WRITE "${WORK}/plain" "old")
run_cli(out code --save "${WORK}/plain/x.mct")
expect("unwritable exit status" "${code}" "2")
expect_contains("unwritable message" "${out}" "ERROR: Unable to save the file: ${WORK}/plain/x.mct Error : ")
file(READ "${WORK}/plain" old)
expect("old file kept" "${old}" "old")

# Neither a folder, nor a device, nor a huge or an unreadable file aborts the solver: each gets its one
# line and exit status 2, as --case and as --table.
file(MAKE_DIRECTORY "${WORK}/folder.mct")
file(WRITE "${WORK}/huge.mct" "<A=x>")
execute_process(COMMAND truncate -s 17M "${WORK}/huge.mct" RESULT_VARIABLE truncated)
set(unusable "${WORK}/folder.mct" "${WORK}/missing.mct")
if(truncated EQUAL 0)
  list(APPEND unusable "${WORK}/huge.mct")
endif()
if(EXISTS /dev/zero)
  list(APPEND unusable /dev/zero)
endif()
file(WRITE "${WORK}/locked.mct" "[[\r\n]]\r\n")
file(CHMOD "${WORK}/locked.mct" PERMISSIONS OWNER_WRITE)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT uid STREQUAL "0") # root reads it anyway
  list(APPEND unusable "${WORK}/locked.mct")
endif()
foreach(path IN LISTS unusable)
  run_cli(out code --case "${path}")
  expect("--case ${path} exit status" "${code}" "2")
  expect("--case ${path} message" "${out}" "ERROR: Invalid format: ${path}\n")
  run_cli(out code --table "${path}" --lang ESP)
  expect("--table ${path} exit status" "${code}" "2")
  expect("--table ${path} message" "${out}" "ERROR: No se pudo leer el archivo: ${path}\n")
endforeach()
# Saving onto a folder: the folder stays, exit status 2.
run_cli(out code --save "${WORK}/folder.mct")
expect("save onto a folder exit status" "${code}" "2")
expect_contains("save onto a folder message" "${out}" "ERROR: Unable to save the file: ${WORK}/folder.mct Error : 21 - ")
