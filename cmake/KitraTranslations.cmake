# The library's texts in other languages: translations/*.ts compiled to .qm at build time, embedded in
# the library as resources (":/kitra/translations") and installed for hosts that load them by path.
# `cmake --build <dir> --target kitra_lupdate` refreshes the .ts files from the sources.

find_package(${KITRA_QT}LinguistTools ${KITRA_QT_MIN_VERSION} REQUIRED)

file(GLOB KITRA_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
if(QT_VERSION_MAJOR EQUAL 6)
    qt6_add_translation(KITRA_QM_FILES ${KITRA_TS_FILES})
else()
    qt5_add_translation(KITRA_QM_FILES ${KITRA_TS_FILES})
endif()

set(qrc_entries "")
foreach(qm IN LISTS KITRA_QM_FILES)
    get_filename_component(name ${qm} NAME)
    string(APPEND qrc_entries "        <file>${name}</file>\n")
endforeach()
set(KITRA_TRANSLATIONS_QRC ${CMAKE_CURRENT_BINARY_DIR}/kitra_translations.qrc)
file(CONFIGURE OUTPUT ${KITRA_TRANSLATIONS_QRC} CONTENT
     "<RCC>\n    <qresource prefix=\"/kitra/translations\">\n${qrc_entries}    </qresource>\n</RCC>\n")

get_target_property(KITRA_LUPDATE ${KITRA_QT}::lupdate IMPORTED_LOCATION)
add_custom_target(kitra_lupdate
    COMMAND ${KITRA_LUPDATE} -silent -no-obsolete -locations none -recursive ${CMAKE_CURRENT_SOURCE_DIR}
            -ts ${KITRA_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
