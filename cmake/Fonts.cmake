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
foreach(weight 400 700)
  add_custom_command(
    OUTPUT ${SMK_FONT_DIR}/ComicRelief-${weight}.ttf
    COMMAND ${SMK_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/tools/merge_fonts.py
            ${SMK_FONT_DIR}/ComicRelief-${weight}.ttf
            ${comic_files}/comic-relief-latin-${weight}-normal.woff
            ${comic_files}/comic-relief-cyrillic-${weight}-normal.woff
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/merge_fonts.py
    COMMENT "Merging Comic Relief ${weight}: Latin and Cyrillic into one face")
endforeach()

set(SMK_SYSTEM_FONTS
  /usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf)
foreach(f IN LISTS SMK_SYSTEM_FONTS)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "${f} is missing: install fonts-ebgaramond and fonts-liberation (scripts/test does)")
  endif()
  get_filename_component(n ${f} NAME)
  configure_file(${f} ${SMK_FONT_DIR}/${n} COPYONLY)
endforeach()

set(SMK_FONT_FILES
  ${SMK_FONT_DIR}/ComicRelief-400.ttf ${SMK_FONT_DIR}/ComicRelief-700.ttf
  ${SMK_FONT_DIR}/EBGaramond12-Bold.otf ${SMK_FONT_DIR}/LiberationSans-Regular.ttf)
