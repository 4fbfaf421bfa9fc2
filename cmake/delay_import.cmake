# Makes a delay-load import library for one system DLL: the DLL is loaded on the first call of
# one of its functions instead of at start-up.
# Script mode: cmake -DNM=.. -DDLLTOOL=.. -DIMPLIB=libx.a -DDLL=x.dll -DOUT=libx_delay.a -P ..
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND ${NM} -g ${IMPLIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed
                  ERROR_QUIET)
  if(failed)
    message(FATAL_ERROR "cannot list the functions of ${IMPLIB}")
  endif()
  string(REGEX MATCHALL "__imp_[A-Za-z0-9_@?$]+" names "${symbols}")
  list(REMOVE_DUPLICATES names)
  set(def "LIBRARY ${DLL}\nEXPORTS\n")
  foreach(name IN LISTS names)
    string(REGEX REPLACE "^__imp_" "" name "${name}")
    string(APPEND def "${name}\n")
  endforeach()
  file(WRITE ${OUT}.def "${def}")
  execute_process(COMMAND ${DLLTOOL} -d ${OUT}.def -y ${OUT} -D ${DLL} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not make ${OUT}")
  endif()
  return()
endif()

# scrivex_delay_import(<target> <dll> ...): links the target to the DLLs through delay-load
# import libraries where the toolchain can make them, and normally otherwise. A DLL is named
# without .dll, or with its own extension when it has another one (winspool.drv).
function(scrivex_delay_import target)
  foreach(file IN LISTS ARGN)
    get_filename_component(dll ${file} NAME_WE)
    if(NOT file MATCHES "\\.")
      set(file ${file}.dll)
    endif()
    if(MSVC)
      target_link_libraries(${target} PUBLIC ${dll})
      target_link_options(${target} PUBLIC /DELAYLOAD:${file})
      set(need_helper delayimp)
      continue()
    endif()
    find_program(SCRIVEX_DLLTOOL NAMES ${CMAKE_CXX_COMPILER_TARGET}-dlltool
                 ${TOOLCHAIN_PREFIX}-dlltool dlltool)
    find_library(SCRIVEX_IMPLIB_${dll} NAMES lib${dll}.a ${dll})
    if(NOT MINGW OR NOT SCRIVEX_DLLTOOL OR NOT SCRIVEX_IMPLIB_${dll} OR NOT CMAKE_NM)
      target_link_libraries(${target} PUBLIC ${dll})
      continue()
    endif()
    set(out ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${SCRIVEX_DLLTOOL}
              -DIMPLIB=${SCRIVEX_IMPLIB_${dll}} -DDLL=${file} -DOUT=${out}
              -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      DEPENDS ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      COMMENT "Delay-load import library for ${file}")
    add_custom_target(${dll}_delay DEPENDS ${out})
    add_dependencies(${target} ${dll}_delay)
    target_link_libraries(${target} PUBLIC ${out})
  endforeach()
  if(need_helper)
    target_link_libraries(${target} PUBLIC ${need_helper})
  endif()
endfunction()
