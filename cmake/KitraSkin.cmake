# Copies Skin/ next to the executables and renders every SVG picture of a skin
# to the PNG of the same name that the widgets load.

add_subdirectory(${CMAKE_SOURCE_DIR}/tools/svg2png ${CMAKE_BINARY_DIR}/tools/svg2png)

file(GLOB_RECURSE KITRA_SKIN_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/Skin/*)

set(KITRA_SKIN_OUTPUTS)
foreach(file IN LISTS KITRA_SKIN_FILES)
    set(src ${CMAKE_SOURCE_DIR}/${file})
    set(dst ${KITRA_RUNTIME_DIR}/${file})
    add_custom_command(OUTPUT ${dst}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${dst}
        DEPENDS ${src} VERBATIM)
    list(APPEND KITRA_SKIN_OUTPUTS ${dst})
    if(file MATCHES "\\.svg$")
        string(REGEX REPLACE "\\.svg$" ".png" png ${dst})
        add_custom_command(OUTPUT ${png}
            COMMAND kitra_svg2png ${src} ${png}
            DEPENDS ${src} kitra_svg2png VERBATIM)
        list(APPEND KITRA_SKIN_OUTPUTS ${png})
    endif()
endforeach()

add_custom_target(kitra_skin ALL DEPENDS ${KITRA_SKIN_OUTPUTS})
