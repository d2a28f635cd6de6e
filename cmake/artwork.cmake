# Zapster's pictures (title banner, blue and red logos) are drawn at build time by our own
# make_artwork tool and compiled into a target as Qt resources under :/pictures/.
#
# Usage, after find_package(Qt6 ... Gui) and after the target exists:
#   include(cmake/artwork.cmake)
#   zapster_add_artwork(zapster_core)
#
# The same tool draws the desktop icons from the logo (zapster_add_icons, used when installing).
# The PNGs, the SVG and the generated .qrc live only in the build tree.

set(ZAPSTER_ARTWORK_TOOL_DIR "${CMAKE_CURRENT_LIST_DIR}/../tools/artwork")

if(NOT TARGET make_artwork)
    add_executable(make_artwork "${ZAPSTER_ARTWORK_TOOL_DIR}/make_artwork.cpp")
    target_compile_features(make_artwork PRIVATE cxx_std_20)
    target_compile_options(make_artwork PRIVATE -Wall -Wextra)
    target_link_libraries(make_artwork PRIVATE Qt6::Gui)
endif()

set(ZAPSTER_PICTURES banner.png logo-blue.png logo-red.png)

# Draws the pictures into <current binary dir>/pictures and adds them to TARGET as the
# resource "pictures" (prefix /pictures). Call it from the directory that defines TARGET.
function(zapster_add_artwork target)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/pictures")
    set(outputs "")
    foreach(picture IN LISTS ZAPSTER_PICTURES)
        list(APPEND outputs "${out_dir}/${picture}")
    endforeach()

    add_custom_command(
        OUTPUT ${outputs}
        COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
                "$<TARGET_FILE:make_artwork>" "${out_dir}"
        DEPENDS make_artwork
        COMMENT "Drawing Zapster's banner and logos"
        VERBATIM)
    add_custom_target(${target}_artwork DEPENDS ${outputs})
    add_dependencies(${target} ${target}_artwork)

    # qt_add_resources writes the .qrc for us (into the build tree) and, for a static library,
    # carries the compiled resource as an object file so that whatever links the library
    # gets the pictures registered at start-up.
    qt_add_resources(${target} "pictures"
        PREFIX "/pictures"
        BASE "${out_dir}"
        FILES ${outputs})
endfunction()

# The desktop icons, drawn from the logo: icon-<size>.png for each of ZAPSTER_ICON_SIZES and the
# scalable icon.svg, into <current binary dir>/icons. They are built with `all` by the custom
# target TARGET, and ZAPSTER_ICON_DIR names their folder for the caller.
set(ZAPSTER_ICON_SIZES 16 32 48 64 128 256)

function(zapster_add_icons target)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/icons")
    set(outputs "${out_dir}/icon.svg")
    foreach(size IN LISTS ZAPSTER_ICON_SIZES)
        list(APPEND outputs "${out_dir}/icon-${size}.png")
    endforeach()

    add_custom_command(
        OUTPUT ${outputs}
        COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
                "$<TARGET_FILE:make_artwork>" --icons "${out_dir}" ${ZAPSTER_ICON_SIZES}
        DEPENDS make_artwork
        COMMENT "Drawing Zapster's desktop icons"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${outputs})
    set(ZAPSTER_ICON_DIR "${out_dir}" PARENT_SCOPE)
endfunction()
