# The fuzz targets; each is also replayed over its corpus in ctest.
zorvek_fuzz_replay(parse_number parse_number_fuzz.cpp zorvek_engine)
zorvek_fuzz_replay(table_text table_text_fuzz.cpp zorvek_engine)
zorvek_fuzz_replay(design design_fuzz.cpp zorvek_engine)
# The case-file reader lives outside the engine and is left out of engine-only builds.
if(TARGET zorvek_casefile)
  zorvek_fuzz_replay(casefile casefile_fuzz.cpp zorvek_casefile)
endif()
zorvek_fuzz_replay(markup markup_fuzz.cpp markview_markup)
# The component library: its reader on any bytes, and the look-up and equilibrium on the shipped data.
zorvek_fuzz_replay(thermo_data thermo_data_fuzz.cpp zorvek_thermo)
zorvek_fuzz_replay(thermo_lookup thermo_lookup_fuzz.cpp zorvek_thermo)
target_compile_definitions(replay_thermo_lookup PRIVATE ZORVEK_THERMO_DATA_FILE="${ZORVEK_THERMO_DATA_SOURCE}")
