# Install-time helper: the debug information of a built ELF file, kept where debuggers look it up
# by build ID (lib/debug/.build-id/xx/rest.debug), while the installed copy is stripped.
function(zr_instala_depuracion elf destino)
  execute_process(COMMAND readelf -n "${elf}" OUTPUT_VARIABLE notas COMMAND_ERROR_IS_FATAL ANY)
  if(NOT notas MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${elf} no tiene identificador de compilación (build ID)")
  endif()
  set(archivo "${destino}/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
  get_filename_component(carpeta "${archivo}" DIRECTORY)
  file(MAKE_DIRECTORY "${carpeta}")
  message(STATUS "Installing: ${archivo}")
  execute_process(COMMAND objcopy --only-keep-debug "${elf}" "${archivo}"
    COMMAND_ERROR_IS_FATAL ANY)
  file(CHMOD "${archivo}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()
