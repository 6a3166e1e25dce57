# Writes a manual page from a program's own --help and --version with help2man, adding
# the sections of an include file, so the page says what the program says.
#   cmake -DHELP2MAN=... -DPROGRAM=... -DINCLUDE=x.h2m -DOUTPUT=x.1 [-DHELP_OPTION=...]
#         [-DSECTION=NAME "-DSECTION_ARGS=search --help"] -P MakeManPage.cmake
# SECTION adds the output of `PROGRAM SECTION_ARGS` (a subcommand's --help) as a section.
# LINE_BREAKS lists texts of the help that start a line of their own, which help2man would
# run together with the line before (a list of "name: value" lines).
if(NOT HELP_OPTION)
  set(HELP_OPTION --help)
endif()
set(include_file ${INCLUDE})
if(SECTION)
  separate_arguments(section_args UNIX_COMMAND "${SECTION_ARGS}")
  execute_process(COMMAND ${PROGRAM} ${section_args} OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${SECTION_ARGS} failed (${rc})")
  endif()
  # Plain text into roff: backslashes print as themselves, no line starts a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  file(READ ${INCLUDE} base)
  set(include_file ${OUTPUT}.h2m)
  file(WRITE ${include_file} "${base}\n[${SECTION}]\n.nf\n${text}.fi\n")
endif()
execute_process(
  COMMAND ${HELP2MAN} --no-info --include=${include_file} --help-option=${HELP_OPTION}
          --output=${OUTPUT}.tmp ${PROGRAM}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man could not write ${OUTPUT} from ${PROGRAM} (${rc})")
endif()
if(LINE_BREAKS)
  file(READ ${OUTPUT}.tmp page)
  foreach(text IN LISTS LINE_BREAKS)
    string(REPLACE "\n${text}" "\n.br\n${text}" page "${page}")
  endforeach()
  file(WRITE ${OUTPUT}.tmp "${page}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
