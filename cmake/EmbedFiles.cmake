# vexlo_embed_files(<target> <base_dir> <output.cpp> FILES <f1> <f2> ...)
# Compiles text files into <target> as string constants, so the engine carries its data
# (puzzle bank, language tables) without any toolkit. Look-up by the path relative to
# <base_dir>: vexlo::EmbeddedFile("bank/level0.txt"). Line ends are normalised to LF.
set(VEXLO_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_script.cmake)

function(vexlo_embed_files target base_dir output)
  cmake_parse_arguments(ARG "" "" "FILES" ${ARGN})
  set(names "")
  foreach(f IN LISTS ARG_FILES)
    file(RELATIVE_PATH rel ${base_dir} ${f})
    list(APPEND names ${rel})
  endforeach()
  string(REPLACE ";" "|" names_arg "${names}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DBASE=${base_dir} "-DNAMES=${names_arg}" -DOUT=${output}
            -P ${VEXLO_EMBED_SCRIPT}
    DEPENDS ${ARG_FILES} ${VEXLO_EMBED_SCRIPT}
    COMMENT "Embedding data files into ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
