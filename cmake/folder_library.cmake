# One library per folder of src/, with the folders it may include declared.
#
# Run as a script (cmake -DSRC=<src folder> -P folder_library.cmake), the file checks that no
# source of src/ names a path with ".." in an include: the compiler finds such a path from the
# including file's own folder, past the include roots, so the build would not see it break the
# direction. Every folder library depends on that check, which runs at each build.
if(CMAKE_SCRIPT_MODE_FILE)
  file(GLOB_RECURSE sources ${SRC}/*.cpp ${SRC}/*.h ${SRC}/*.rc)
  set(found)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SRC} ${source})
      list(APPEND found "  src/${name}: ${line}")
    endforeach()
  endforeach()
  if(found)
    list(JOIN found "\n" found)
    message(FATAL_ERROR "An include reaches past the include roots; name the folder instead "
                        "(\"core/program.h\"):\n${found}")
  endif()
  return()
endif()

# scrivex_include_root(target root_name folder...) gives the target an include root of its own
# in the build tree that holds links to the named folders of src/ and to the folders they
# declared, and nothing else. Where the system cannot make links (some Windows set-ups) the
# target falls back to the whole src/ folder: the build then no longer checks the direction.
function(scrivex_include_root target root_name)
  set(folders)
  foreach(dep ${ARGN})
    list(APPEND folders ${dep})
    get_property(more GLOBAL PROPERTY SCRIVEX_FOLDERS_OF_${dep})
    list(APPEND folders ${more})
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(root ${CMAKE_BINARY_DIR}/include_roots/${root_name})
  file(MAKE_DIRECTORY ${root})
  set(linked TRUE)
  foreach(folder ${folders})
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} RESULT failed SYMBOLIC)
      if(failed)
        set(linked FALSE)
      endif()
    endif()
  endforeach()
  if(linked)
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  endif()
  set_property(GLOBAL PROPERTY SCRIVEX_FOLDERS_OF_${root_name} ${folders})
endfunction()

# scrivex_folder_library(folder dep...) makes scrivex_<folder> from src/<folder>/*.cpp, linked
# to scrivex_<dep> for each declared dependency. A folder without sources yet is an interface
# library, so that the declarations can stand before the code.
function(scrivex_folder_library folder)
  if(NOT TARGET scrivex_include_check)
    add_custom_target(scrivex_include_check
      COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/src -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      COMMENT "Checking the includes of src/" VERBATIM)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  set(deps)
  foreach(dep ${ARGN})
    list(APPEND deps scrivex_${dep})
  endforeach()
  if(sources)
    add_library(scrivex_${folder} STATIC ${sources})
    add_dependencies(scrivex_${folder} scrivex_include_check)
    scrivex_include_root(scrivex_${folder} ${folder} ${folder} ${ARGN})
    target_link_libraries(scrivex_${folder} PUBLIC ${deps})
  else()
    add_library(scrivex_${folder} INTERFACE)
    target_link_libraries(scrivex_${folder} INTERFACE ${deps})
    set(folders ${folder})
    foreach(dep ${ARGN})
      get_property(more GLOBAL PROPERTY SCRIVEX_FOLDERS_OF_${dep})
      list(APPEND folders ${dep} ${more})
    endforeach()
    list(REMOVE_DUPLICATES folders)
    set_property(GLOBAL PROPERTY SCRIVEX_FOLDERS_OF_${folder} ${folders})
  endif()
endfunction()
