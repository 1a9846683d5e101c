# Runs one recorded script through tabulo-host in a fresh home directory and
# compares what it prints with the recording: NAME.script beside NAME.out
# (standard output) and, for a script that must fail, NAME.err (standard
# error; the status must then be 1, otherwise 0). NAME.args, when present,
# holds further options of tabulo-host on one line, run from the case's
# directory (a menu file beside the script, a user, a current screen).
#   cmake -DHOST=... -DCASE=dir/NAME -DWORK=scratch-dir -P RunScript.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(dir ${CASE} DIRECTORY)
get_filename_component(name ${CASE} NAME)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(options "")
if(EXISTS ${CASE}.args)
  file(READ ${CASE}.args options)
  separate_arguments(options UNIX_COMMAND "${options}")
endif()

string(TIMESTAMP started "%s%f")
execute_process(
  COMMAND ${HOST} --home ${WORK}/home ${options} --script ${name}.script
  WORKING_DIRECTORY ${dir}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status
  TIMEOUT 60)
string(TIMESTAMP finished "%s%f")

set(failures "")
file(READ ${CASE}.out expectedOut)
if(NOT out STREQUAL expectedOut)
  string(APPEND failures "standard output differs\n--- expected\n${expectedOut}--- printed\n${out}")
endif()
if(EXISTS ${CASE}.err)
  file(READ ${CASE}.err expectedErr)
  if(NOT err STREQUAL expectedErr)
    string(APPEND failures "standard error differs\n--- expected\n${expectedErr}--- printed\n${err}")
  endif()
  if(NOT status EQUAL 1)
    string(APPEND failures "exit status ${status}, expected 1\n")
  endif()
  # A failing script stops at once and closes what it opened; the limit
  # leaves room for a sanitizer build on a busy machine (the runner's own
  # tests hold each failing script to a second).
  math(EXPR milliseconds "(${finished} - ${started}) / 1000")
  if(milliseconds GREATER 5000)
    string(APPEND failures "took ${milliseconds} ms to fail\n")
  endif()
elseif(NOT status EQUAL 0)
  string(APPEND failures "exit status ${status}, expected 0\n--- standard error\n${err}")
endif()
if(failures)
  message(FATAL_ERROR "${name}: ${failures}")
endif()
file(REMOVE_RECURSE ${WORK})
