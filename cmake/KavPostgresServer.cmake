# KAV_PG_BINDIR: where Debian's postgresql package keeps initdb, pg_ctl and
# psql, which the tests and benchmarks start a server of their own with.
execute_process(COMMAND pg_config --bindir OUTPUT_VARIABLE KAV_PG_CONFIG_BINDIR
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
file(GLOB KAV_PG_VERSION_BINDIRS /usr/lib/postgresql/*/bin)
find_program(KAV_PG_CTL pg_ctl HINTS ${KAV_PG_CONFIG_BINDIR} ${KAV_PG_VERSION_BINDIRS} REQUIRED)
get_filename_component(KAV_PG_BINDIR ${KAV_PG_CTL} DIRECTORY)
