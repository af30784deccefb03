# Runs the SQL files into a new database: written under a temporary name, renamed when complete,
# so that a failed build never leaves a half database behind.
set(temp "${SAIDA}.novo")
file(REMOVE "${temp}")
set(script "${SAIDA}.sql")
file(WRITE "${script}" "SET SQL DIALECT 3;\nSET NAMES UTF8;\nSET BAIL ON;\n")
file(APPEND "${script}" "CREATE DATABASE '${temp}' USER 'SYSDBA' PASSWORD 'quintapel' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252;\n")
# Long lists that several procedures share (the columns of a whole line) stand once in trechos/:
# @NAME@ in a script is replaced by the text of trechos/NAME.sql.
file(GLOB trechos "${TRECHOS}/*.sql")
foreach(trecho IN LISTS trechos)
  get_filename_component(nome "${trecho}" NAME_WE)
  file(READ "${trecho}" ${nome})
endforeach()
foreach(sql IN LISTS SQLS)
  file(READ "${sql}" texto)
  string(CONFIGURE "${texto}" texto @ONLY)
  file(APPEND "${script}" "-- ${sql}\n${texto}\nCOMMIT;\n")
endforeach()
file(APPEND "${script}" "COMMIT;\n")
execute_process(COMMAND "${ISQL}" -q -b -ch UTF8 -i "${script}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES "Statement failed|SQLSTATE")
  file(REMOVE "${temp}")
  message(FATAL_ERROR "Falha ao criar ${SAIDA}:\n${out}\n${err}")
endif()
file(RENAME "${temp}" "${SAIDA}")
file(REMOVE "${script}")
