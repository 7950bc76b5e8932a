# comctl32, winmm and winspool through delay-load: MinGW-w64's dlltool makes a delay-import library
# of each from the calls listed in cmake/delay_imports/<library>.def, and the runtime's delay-load
# helper loads a library on the first call into it, through the program's hook
# (src/framework/system_library.cpp). So none of the three is in the import table, and the loader
# never looks for them beside the program.
#
# GNU ld leaves the header's Delay Import Directory empty for these libraries. A step after the link
# sets it from the link map, so that whatever reads the program (the imports check among them)
# finds its delay-loaded libraries.
function(vittrel_link_delay_imports target)
    set(libraries)
    foreach(name comctl32 winmm winspool)
        set(source ${CMAKE_SOURCE_DIR}/cmake/delay_imports/${name}.def)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
        file(READ ${source} definition)
        # 64-bit names carry no stdcall argument sizes.
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            string(REGEX REPLACE "@[0-9]+" "" definition "${definition}")
        endif()
        set(def ${CMAKE_CURRENT_BINARY_DIR}/delay_imports/${name}.def)
        file(GENERATE OUTPUT ${def} CONTENT "${definition}")
        set(library ${CMAKE_CURRENT_BINARY_DIR}/delay_imports/lib${name}_delay.a)
        # Run where it writes: the library's symbols are named after the output path given.
        add_custom_command(OUTPUT ${library}
            COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${name}.def --output-delaylib lib${name}_delay.a
            DEPENDS ${def}
            WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/delay_imports
            VERBATIM)
        list(APPEND libraries ${library})
    endforeach()
    add_custom_target(${target}-delay-imports DEPENDS ${libraries})
    add_dependencies(${target} ${target}-delay-imports)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libraries})
    target_link_libraries(${target} PRIVATE ${libraries})
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/delay_imports/delay_import_end.c)

    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    target_link_options(${target} PRIVATE -Wl,-Map=${map})
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/set_delay_import_directory.py $<TARGET_FILE:${target}> ${map}
        VERBATIM)
endfunction()
