# Text in code page 932 whatever the compiler.
#
# Sources are UTF-8, and every narrow literal must hold Shift-JIS bytes.
# Rather than a compiler's charset option (GCC's -fexec-charset, which clang
# lacks), tools/cp932.py copies every C++ source and header of the project
# into ${CP932_DIR} with its non-ASCII narrow literals rewritten as hex
# escapes, and the targets compile those copies.  The table comes from glibc's
# iconv at build time; the same table gives the layer its Shift-JIS <-> UTF-8
# conversion (vexdraw/cp932_table.h).
#
# cp932_compile_rewritten() is called once, after every target is defined:
# it points each target's sources and include directories at the copies.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Each copy starts with a #line naming its original, so diagnostics and
# __FILE__ name the real source; GCC then takes a test's fixture in an
# anonymous namespace for one from a header and warns without cause.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-subobject-linkage)
endif()

set(CP932_TOOL ${PROJECT_SOURCE_DIR}/tools/cp932.py)
set(CP932_DIR ${PROJECT_BINARY_DIR}/cp932)
set(CP932_TABLE ${PROJECT_BINARY_DIR}/cp932/table.txt)
set(CP932_CXX_TABLE ${PROJECT_BINARY_DIR}/cp932/cp932_table.cpp)

add_custom_command(OUTPUT ${CP932_TABLE}
  COMMAND Python3::Interpreter ${CP932_TOOL} table ${CP932_TABLE}
  DEPENDS ${CP932_TOOL}
  COMMENT "Code page 932 table from glibc's iconv")
add_custom_command(OUTPUT ${CP932_CXX_TABLE}
  COMMAND Python3::Interpreter ${CP932_TOOL} cxx ${CP932_TABLE} ${CP932_CXX_TABLE}
  DEPENDS ${CP932_TOOL} ${CP932_TABLE}
  COMMENT "Code page 932 conversion tables")

# The folders whose sources are rewritten: every top-level folder but the
# build trees.
function(cp932_source_dirs out)
  file(GLOB entries RELATIVE ${PROJECT_SOURCE_DIR} LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/*)
  set(dirs)
  foreach(e IN LISTS entries)
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${e} AND NOT e MATCHES "^(build|\\.|cmake$)")
      list(APPEND dirs ${e})
    endif()
  endforeach()
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# The copy of a path under a rewritten folder, else the path itself.
function(cp932_map path dirs out)
  set(result ${path})
  foreach(d IN LISTS dirs)
    if(path MATCHES "^${PROJECT_SOURCE_DIR}/${d}(/|$)")
      string(REPLACE "${PROJECT_SOURCE_DIR}/${d}" "${CP932_DIR}/${d}" result "${path}")
      break()
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(cp932_targets_in dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    cp932_targets_in(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(cp932_compile_rewritten)
  cp932_source_dirs(dirs)
  set(files)
  foreach(d IN LISTS dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
      ${PROJECT_SOURCE_DIR}/${d}/*.cpp ${PROJECT_SOURCE_DIR}/${d}/*.cc ${PROJECT_SOURCE_DIR}/${d}/*.c
      ${PROJECT_SOURCE_DIR}/${d}/*.h ${PROJECT_SOURCE_DIR}/${d}/*.hpp ${PROJECT_SOURCE_DIR}/${d}/*.def
      ${PROJECT_SOURCE_DIR}/${d}/*.inc)
    list(APPEND files ${found})
  endforeach()
  list(SORT files)
  set(list_file ${CP932_DIR}/files.txt)
  string(REPLACE ";" "\n" lines "${files}")
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${lines}\n")
  set(inputs)
  set(outputs)
  foreach(f IN LISTS files)
    list(APPEND inputs ${PROJECT_SOURCE_DIR}/${f})
    list(APPEND outputs ${CP932_DIR}/${f})
  endforeach()
  # One run for all files; copies that come out unchanged keep their time,
  # so only what an edit touched is compiled again.
  add_custom_command(OUTPUT ${outputs}
    COMMAND Python3::Interpreter ${CP932_TOOL} literals ${CP932_TABLE} ${PROJECT_SOURCE_DIR}
            ${CP932_DIR} ${list_file}
    DEPENDS ${CP932_TOOL} ${CP932_TABLE} ${list_file} ${inputs}
    COMMENT "Narrow literals in code page 932")
  add_custom_target(cp932_sources DEPENDS ${outputs})

  cp932_targets_in(${PROJECT_SOURCE_DIR} targets)
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(src_dir ${t} SOURCE_DIR)
    get_target_property(sources ${t} SOURCES)
    set(mapped)
    foreach(s IN LISTS sources)
      if(NOT s MATCHES "^\\$<" AND NOT IS_ABSOLUTE ${s})
        set(s ${src_dir}/${s})
      endif()
      cp932_map(${s} "${dirs}" m)
      list(APPEND mapped ${m})
    endforeach()
    set_property(TARGET ${t} PROPERTY SOURCES ${mapped})
    # Headers: the copies are searched first.
    foreach(prop INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
      get_target_property(incs ${t} ${prop})
      if(NOT incs)
        continue()
      endif()
      set(mapped)
      foreach(i IN LISTS incs)
        cp932_map(${i} "${dirs}" m)
        if(NOT m STREQUAL i)
          list(APPEND mapped ${m})
        endif()
        list(APPEND mapped ${i})
      endforeach()
      set_property(TARGET ${t} PROPERTY ${prop} ${mapped})
    endforeach()
    add_dependencies(${t} cp932_sources)
  endforeach()
endfunction()
