cmake_minimum_required(VERSION 3.25)
# Fails when a program needs Qt's widgets or its print support (which brings
# the widgets): the core suites must run on the core alone.
#   cmake -DPROGRAM=... -DOBJDUMP=... -P checkcorelinks.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${headers}")
if(NOT needed)
  message(FATAL_ERROR "${PROGRAM} names no libraries: not a dynamically linked program?")
endif()
foreach(line IN LISTS needed)
  if(line MATCHES "Qt6(Widgets|PrintSupport)")
    message(FATAL_ERROR "${PROGRAM} needs a widget library: ${line}")
  endif()
endforeach()
message(STATUS "${PROGRAM}: no widget library among ${needed}")
