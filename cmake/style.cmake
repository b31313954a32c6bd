# The style the executable carries. res/SmokeyQuartzKamri.style.txt is
# compiled into ${LUMARIC_STYLE_FILE} by tools/style_compiler, which is built
# with the host's compiler even when the executable is cross-compiled, and
# res/style.rc takes the result in as the resource SMOKEYQUARTZKAMRI.
#
#   LUMARIC_WITH_STYLE (option, ON)  OFF builds the executable without the
#                                    style, for the test of the not-found dialog
#   lumaric_embed_style(<target>)    adds the style resource to the target

include(ExternalProject)

option(LUMARIC_WITH_STYLE "Carry the style Smokey Quartz Kamri in the executable" ON)

set(LUMARIC_STYLE_SOURCE ${CMAKE_SOURCE_DIR}/res/SmokeyQuartzKamri.style.txt)
set(LUMARIC_STYLE_FILE ${CMAKE_BINARY_DIR}/SmokeyQuartzKamri.style)
set(LUMARIC_STYLE_RC ${CMAKE_SOURCE_DIR}/res/style.rc)
set(LUMARIC_STYLE_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated)

if(LUMARIC_WITH_STYLE)
  # No toolchain file is passed on, so the tool gets the host's compiler and zlib.
  set(compiler_dir ${CMAKE_BINARY_DIR}/style_compiler)
  set(compiler ${compiler_dir}/style_compiler${CMAKE_HOST_EXECUTABLE_SUFFIX})
  ExternalProject_Add(lumaric_style_compiler
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${compiler_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${compiler})

  add_custom_command(OUTPUT ${LUMARIC_STYLE_FILE}
    COMMAND ${compiler} ${LUMARIC_STYLE_SOURCE} ${LUMARIC_STYLE_FILE}
    DEPENDS lumaric_style_compiler ${compiler} ${LUMARIC_STYLE_SOURCE}
    COMMENT "Compiling the style Smokey Quartz Kamri"
    VERBATIM)
  add_custom_target(lumaric_style DEPENDS ${LUMARIC_STYLE_FILE})

  # The resource script finds the compiled style through this define.
  file(CONFIGURE OUTPUT ${LUMARIC_STYLE_INCLUDE_DIR}/lumaric_style_file.h
    CONTENT "#define LUMARIC_STYLE_FILE \"@LUMARIC_STYLE_FILE@\"\n")
endif()

function(lumaric_embed_style target)
  if(LUMARIC_WITH_STYLE)
    target_sources(${target} PRIVATE ${LUMARIC_STYLE_RC})
    target_include_directories(${target} PRIVATE ${LUMARIC_STYLE_INCLUDE_DIR})
    set_property(SOURCE ${LUMARIC_STYLE_RC} APPEND PROPERTY OBJECT_DEPENDS ${LUMARIC_STYLE_FILE})
    add_dependencies(${target} lumaric_style)
  endif()
endfunction()
