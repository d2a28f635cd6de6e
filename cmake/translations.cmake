# The game's own texts in other languages, through Qt's translation tools. English is written in
# the code; each translations/zapster_<language>.ts holds one language.
#
#   cmake --build build --target update_translations   # lupdate: new texts into every .ts file
#   (lrelease runs with every build: build/translations/zapster_<language>.qm)
#
# Include from the root after the zapster and zapcheck targets exist.

set(ZAPSTER_LANGUAGES de es fr nl)
set(ZAPSTER_TS_FILES "")
foreach(language IN LISTS ZAPSTER_LANGUAGES)
    list(APPEND ZAPSTER_TS_FILES "${PROJECT_SOURCE_DIR}/translations/zapster_${language}.ts")
endforeach()
set(ZAPSTER_TRANSLATIONS_BUILD_DIR "${CMAKE_BINARY_DIR}/translations")
set(ZAPSTER_TRANSLATIONS_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/zapster/translations")
set_source_files_properties(${ZAPSTER_TS_FILES}
    PROPERTIES OUTPUT_LOCATION "${ZAPSTER_TRANSLATIONS_BUILD_DIR}")

# Every text a person sees is in these sources; the built-in questions are content, like a
# category file, and are not translated.
file(GLOB ZAPSTER_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/game/*.cpp" "${PROJECT_SOURCE_DIR}/game/*.h"
    "${PROJECT_SOURCE_DIR}/screens/*.cpp" "${PROJECT_SOURCE_DIR}/screens/*.h"
    "${PROJECT_SOURCE_DIR}/toolkit/*.cpp" "${PROJECT_SOURCE_DIR}/toolkit/*.h"
    "${PROJECT_SOURCE_DIR}/layout/*.cpp" "${PROJECT_SOURCE_DIR}/layout/*.h"
    "${PROJECT_SOURCE_DIR}/tools/zapcheck/*.cpp" "${PROJECT_SOURCE_DIR}/tools/zapcheck/*.h"
    "${PROJECT_SOURCE_DIR}/tools/metadata/*.cpp"
    "${PROJECT_SOURCE_DIR}/main.cpp")
list(REMOVE_ITEM ZAPSTER_TRANSLATED_SOURCES "${PROJECT_SOURCE_DIR}/game/bank.cpp")
# The layout marks its texts with layout::Text, which lupdate reads as it reads QT_TR_NOOP.
set(ZAPSTER_LUPDATE_OPTIONS -locations none -no-obsolete -no-ui-lines -tr-function-alias
    QT_TR_NOOP+=Text)

qt_add_translations(zapster
    TS_FILES ${ZAPSTER_TS_FILES}
    SOURCES ${ZAPSTER_TRANSLATED_SOURCES}
    LUPDATE_OPTIONS ${ZAPSTER_LUPDATE_OPTIONS}
    QM_FILES_OUTPUT_VARIABLE ZAPSTER_QM_FILES)
# Every program of the build tree (tests, zapcheck, benchmarks) speaks what the game speaks.
add_dependencies(zapster_core zapster_lrelease)

file(RELATIVE_PATH ZAPSTER_TRANSLATIONS_FROM_BIN "/${CMAKE_INSTALL_BINDIR}"
     "/${ZAPSTER_TRANSLATIONS_INSTALL_DIR}")
# zapcheck builds the language choice from its source too, and speaks the same languages.
add_dependencies(zapcheck zapster_lrelease)
foreach(target IN ITEMS zapster_core zapcheck)
    target_compile_definitions(${target} PRIVATE
        ZAPSTER_TRANSLATIONS_BUILD_DIR="${ZAPSTER_TRANSLATIONS_BUILD_DIR}"
        ZAPSTER_TRANSLATIONS_FROM_BIN="${ZAPSTER_TRANSLATIONS_FROM_BIN}")
endforeach()
install(FILES ${ZAPSTER_QM_FILES} DESTINATION "${ZAPSTER_TRANSLATIONS_INSTALL_DIR}")
