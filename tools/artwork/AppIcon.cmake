# The application icon in the hicolor theme's sizes, painted by the same die renderer as the
# window's icon; installed with the program (cmake/Install.cmake).
add_executable(tarnwick_appicon AppIcon.cpp Background.h Emblems.cpp DieRenderer.h
    DieRenderer.cpp Paint.h Paint.cpp)
target_include_directories(tarnwick_appicon PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(tarnwick_appicon PRIVATE Qt6::Gui)
target_compile_options(tarnwick_appicon PRIVATE $<$<CONFIG:Debug>:-O2>)

set(TARNWICK_ICON_THEME_DIR ${CMAKE_CURRENT_BINARY_DIR}/hicolor)
set(TARNWICK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_files "")
foreach(size ${TARNWICK_ICON_SIZES})
    list(APPEND icon_files ${TARNWICK_ICON_THEME_DIR}/${size}x${size}/apps/${TARNWICK_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:tarnwick_appicon> ${TARNWICK_ICON_THEME_DIR} ${TARNWICK_APP_ID}
    DEPENDS tarnwick_appicon
    COMMENT "Painting the application icon"
    VERBATIM)
add_custom_target(app_icons ALL DEPENDS ${icon_files})

foreach(size ${TARNWICK_ICON_SIZES})
    install(FILES ${TARNWICK_ICON_THEME_DIR}/${size}x${size}/apps/${TARNWICK_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
