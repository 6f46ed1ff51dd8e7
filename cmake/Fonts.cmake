# Replacement faces with complete Russian, embedded into the binary so that every machine shows the
# same letters. Comic Relief (metrics of Comic Sans MS) ships Latin and Cyrillic as separate subsets;
# they are merged into one face here. Versions are pinned; nothing is fetched at run time.
set(SMK_COMIC_RELIEF_VERSION 5.3.0)
set(SMK_FONT_DIR ${CMAKE_BINARY_DIR}/fonts)
set(comic_tgz ${SMK_FONT_DIR}/fontsource-comic-relief-${SMK_COMIC_RELIEF_VERSION}.tgz)
file(MAKE_DIRECTORY ${SMK_FONT_DIR})
if(NOT EXISTS ${comic_tgz})
  find_program(NPM npm REQUIRED)
  execute_process(COMMAND ${NPM} pack --silent @fontsource/comic-relief@${SMK_COMIC_RELIEF_VERSION}
                  WORKING_DIRECTORY ${SMK_FONT_DIR} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${comic_tgz})
    message(FATAL_ERROR "could not fetch @fontsource/comic-relief@${SMK_COMIC_RELIEF_VERSION} with npm")
  endif()
endif()
if(NOT EXISTS ${SMK_FONT_DIR}/package/package.json)
  file(ARCHIVE_EXTRACT INPUT ${comic_tgz} DESTINATION ${SMK_FONT_DIR})
endif()

find_program(SMK_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
set(comic_files ${SMK_FONT_DIR}/package/files)
set(SMK_FONT_FILES)
function(smk_font out family)
  add_custom_command(
    OUTPUT ${SMK_FONT_DIR}/${out}
    COMMAND ${SMK_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/tools/merge_fonts.py ${SMK_FONT_DIR}/${out} ${family} ${ARGN}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/merge_fonts.py ${ARGN}
    COMMENT "Making the embedded face ${out}")
  set(SMK_FONT_FILES ${SMK_FONT_FILES} ${SMK_FONT_DIR}/${out} PARENT_SCOPE)
endfunction()

# "Comic Sans MS": Comic Relief, drawn with its metrics; Latin and Cyrillic merged.
foreach(weight 400 700)
  smk_font(SmekalkaComic-${weight}.ttf "Smekalka Comic"
           ${comic_files}/comic-relief-latin-${weight}-normal.woff
           ${comic_files}/comic-relief-cyrillic-${weight}-normal.woff)
endforeach()
# "Garamond": EB Garamond. Its bold file has no Cyrillic, so the regular face is emboldened.
# "MS Sans Serif": Liberation Sans.
set(garamond /usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf)
set(sans /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf)
foreach(f IN ITEMS ${garamond} ${sans})
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "${f} is missing: install fonts-ebgaramond and fonts-liberation (scripts/setup does)")
  endif()
endforeach()
smk_font(SmekalkaGaramond-400.otf "Smekalka Garamond" ${garamond})
smk_font(SmekalkaSans-400.ttf "Smekalka Sans" ${sans})
