# moc must run again when a file joins a target: Ninja's autogen step does not notice that by
# itself, so its stamp goes when the list of files changed since the last configure.
function(tolv_autogen_atual nome lista)
  set(arquivo_lista "${CMAKE_CURRENT_BINARY_DIR}/${nome}_fontes.txt")
  set(anterior "")
  if(EXISTS "${arquivo_lista}")
    file(READ "${arquivo_lista}" anterior)
  endif()
  if(NOT anterior STREQUAL lista)
    file(WRITE "${arquivo_lista}" "${lista}")
    file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${nome}_autogen/timestamp")
  endif()
endfunction()

set(TOLV_PASTA_CABECALHOS "${CMAKE_BINARY_DIR}/camadas")

# Makes <destino>/<prefixo> show the folder <origem>: one link to it, or, with EXCETO, a folder of
# links to each of its entries but those. Works over what an earlier configuration left there in
# either shape, and never writes, through a link, into the sources.
function(tolv_liga_pasta destino prefixo origem)
  cmake_parse_arguments(A "" "" "EXCETO" ${ARGN})
  file(MAKE_DIRECTORY "${destino}")
  set(pasta "${destino}/${prefixo}")
  if(IS_SYMLINK "${pasta}")
    # A link to the whole folder: everything below it would go into the sources.
    file(REMOVE "${pasta}")
  elseif(IS_DIRECTORY "${pasta}")
    # Only the links go, one by one: never a recursive removal through a link into the sources.
    file(GLOB antigos LIST_DIRECTORIES true "${pasta}/*")
    foreach(a IN LISTS antigos)
      if(IS_SYMLINK "${a}")
        file(REMOVE "${a}")
      endif()
    endforeach()
    if(NOT A_EXCETO)
      file(GLOB restantes LIST_DIRECTORIES true "${pasta}/*")
      if(NOT restantes)
        file(REMOVE_RECURSE "${pasta}")
      endif()
    endif()
  endif()
  if(NOT A_EXCETO)
    file(CREATE_LINK "${origem}" "${pasta}" SYMBOLIC)
    return()
  endif()
  file(MAKE_DIRECTORY "${pasta}")
  file(GLOB entradas LIST_DIRECTORIES true RELATIVE "${origem}" "${origem}/*")
  foreach(e IN LISTS entradas)
    if(e STREQUAL "CMakeLists.txt" OR e IN_LIST A_EXCETO)
      continue()
    endif()
    file(CREATE_LINK "${origem}/${e}" "${pasta}/${e}" SYMBOLIC)
  endforeach()
endfunction()

# A layer's headers are reached as "<layer>/X.h" only through an include folder of its own in the
# build tree, holding links to its sources; a target gets that folder only from the layers it
# links. So an include of a layer that is not linked fails to compile. EXCETO names entries of the
# source folder left out.
function(tolv_cabecalhos alvo prefixo origem)
  cmake_parse_arguments(A "" "" "EXCETO" ${ARGN})
  set(destino "${TOLV_PASTA_CABECALHOS}/${alvo}")
  tolv_liga_pasta("${destino}" ${prefixo} "${origem}" EXCETO ${A_EXCETO})
  get_target_property(tipo ${alvo} TYPE)
  if(tipo STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${alvo} INTERFACE "${destino}")
  else()
    target_include_directories(${alvo} PUBLIC "${destino}")
  endif()
endfunction()

# What each layer links, for the include check (tests/CMakeLists.txt).
function(tolv_registra_camada nome)
  list(JOIN ARGN "," deps)
  set_property(GLOBAL APPEND PROPERTY TOLV_CAMADAS "${nome}:${deps}")
endfunction()

# One static library per layer, made of every source file of its folder.
# A layer links only what stands below it: DEPENDE for the layers (and Qt modules) that its
# public headers use, PRIVADO for what only its sources use.
# A layer whose folder holds gui/ becomes two: the core "<nome>" (everything but gui/, which links
# no widgets unless its own DEPENDE says so) and "<nome>_gui" (gui/, reached as "<nome>/gui/X.h"),
# which links the core and GUI_DEPENDE/GUI_PRIVADO.
function(tolv_camada nome)
  cmake_parse_arguments(A "" "" "DEPENDE;PRIVADO;GUI_DEPENDE;GUI_PRIVADO" ${ARGN})
  set(pasta_gui "${CMAKE_CURRENT_SOURCE_DIR}/gui")
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
    "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
  file(GLOB_RECURSE cabecalhos CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  list(FILTER fontes EXCLUDE REGEX "^${pasta_gui}/")
  list(FILTER cabecalhos EXCLUDE REGEX "^${pasta_gui}/")
  list(FILTER fontes INCLUDE REGEX "\\.(cpp|qrc)$")
  tolv_biblioteca(${nome} "${fontes}" "${cabecalhos}" "${A_DEPENDE}" "${A_PRIVADO}")
  if(EXISTS "${pasta_gui}")
    # The core of a split layer stays free of widgets, whatever it links today.
    tolv_camada_sem_widgets(${nome})
    tolv_cabecalhos(${nome} ${nome} "${CMAKE_CURRENT_SOURCE_DIR}" EXCETO gui)
    file(GLOB_RECURSE fontes_gui CONFIGURE_DEPENDS
      "${pasta_gui}/*.cpp" "${pasta_gui}/*.qrc")
    file(GLOB_RECURSE cabecalhos_gui CONFIGURE_DEPENDS "${pasta_gui}/*.h")
    tolv_biblioteca(${nome}_gui "${fontes_gui}" "${cabecalhos_gui}" "${nome};${A_GUI_DEPENDE}"
      "${A_GUI_PRIVADO}")
    file(MAKE_DIRECTORY "${TOLV_PASTA_CABECALHOS}/${nome}_gui/${nome}")
    tolv_cabecalhos(${nome}_gui ${nome}/gui "${pasta_gui}")
    tolv_registra_camada(${nome}_gui ${nome} ${A_GUI_DEPENDE} ${A_GUI_PRIVADO})
  else()
    tolv_cabecalhos(${nome} ${nome} "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  tolv_registra_camada(${nome} ${A_DEPENDE} ${A_PRIVADO})
endfunction()

# A layer held to no widget includes by the layer check, whatever it links.
function(tolv_camada_sem_widgets nome)
  set_property(GLOBAL APPEND PROPERTY TOLV_CAMADAS_SEM_WIDGETS "${nome}")
endfunction()

# The static library of a layer, or an interface library while it has no source yet.
function(tolv_biblioteca nome fontes cabecalhos depende privado)
  if(fontes)
    add_library(${nome} STATIC ${fontes} ${cabecalhos})
    tolv_autogen_atual(${nome} "${fontes};${cabecalhos}")
    target_link_libraries(${nome} PUBLIC ${depende} PRIVATE ${privado})
  else()
    add_library(${nome} INTERFACE)
    target_link_libraries(${nome} INTERFACE ${depende} ${privado})
  endif()
endfunction()

# One test program per folder of tests/, linking the layers it names and the test support.
# Each test case runs as its own CTest test; widgets run offscreen.
function(tolv_testes nome)
  cmake_parse_arguments(A "" "PASTA" "LIGA" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${A_PASTA}/*.cpp")
  if(NOT fontes)
    return()
  endif()
  add_executable(${nome} ${fontes})
  target_link_libraries(${nome} PRIVATE ${A_LIGA} GTest::gtest GTest::gmock)
  target_compile_definitions(${nome} PRIVATE
    TOLV_BANCOS_CONSTRUIDOS="${TOLV_PASTA_PROGRAMA}/DADOS")
  add_dependencies(${nome} bancos)
  gtest_discover_tests(${nome} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
